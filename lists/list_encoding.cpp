#include "lists/list_encoding.h"

#include <algorithm>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence at the start of bytes, or 0 when none
// stands there.
std::size_t SequenceLength(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong form
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(bytes[1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(bytes[i]))) {
            return 0;
        }
    }
    return length;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = SequenceLength(bytes);
        if (length == 0) {
            return false;
        }
        bytes.remove_prefix(length);
    }
    return true;
}

TextEncoding MarkedEncoding(std::string_view start) {
    if (start.starts_with(kUtf8Mark)) {
        return TextEncoding::Utf8;
    }
    if (start.starts_with(kUtf16LeMark)) {
        return TextEncoding::Utf16Le;
    }
    if (start.starts_with(kUtf16BeMark)) {
        return TextEncoding::Utf16Be;
    }
    return TextEncoding::Cp932;
}

void UnmarkedEncoding::Add(std::string_view piece) {
    const bool ascii = std::all_of(piece.begin(), piece.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    m_nonAscii = m_nonAscii || !ascii;
    m_validUtf8 = m_validUtf8 && (ascii || IsValidUtf8(piece));
}

TextEncoding UnmarkedEncoding::Result() const {
    return m_nonAscii && m_validUtf8 ? TextEncoding::Utf8Unmarked : TextEncoding::Cp932;
}

TextEncoding DetectTextEncoding(std::string_view bytes) {
    const TextEncoding marked = MarkedEncoding(bytes);
    if (marked != TextEncoding::Cp932) {
        return marked;
    }
    UnmarkedEncoding unmarked;
    unmarked.Add(bytes);
    return unmarked.Result();
}

std::string_view WithoutByteOrderMark(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return bytes.substr(kUtf8Mark.size());
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            return bytes.substr(kUtf16LeMark.size());
        case TextEncoding::Cp932:
        case TextEncoding::Utf8Unmarked:
            break;
    }
    return bytes;
}

std::size_t PieceEnd(std::string_view bytes, TextEncoding encoding) {
    const bool bigEndian = encoding == TextEncoding::Utf16Be;
    if (!bigEndian && encoding != TextEncoding::Utf16Le) {
        const std::size_t last = bytes.find_last_of("\r\n");
        return last == std::string_view::npos ? 0 : last + 1;
    }
    for (std::size_t end = bytes.size() & ~std::size_t{1}; end >= 2; end -= 2) {
        const char low = bytes[end - (bigEndian ? 1 : 2)];
        const char high = bytes[end - (bigEndian ? 2 : 1)];
        if (high == 0 && (low == '\r' || low == '\n')) {
            return end;
        }
    }
    return 0;
}
