#pragma once

#include <cstddef>
#include <string_view>

// How the bytes of a checksum list or a URL list are written. Lists are
// code page 932 text, as the program has always read and written them;
// Notepad on current Windows saves UTF-8 (with or without a byte-order
// mark) and UTF-16 ("Unicode") one click away.
enum class TextEncoding {
    Cp932,
    Utf8,          // after a byte-order mark
    Utf16Le,       // after a byte-order mark
    Utf16Be,       // after a byte-order mark
    Utf8Unmarked,  // no mark, valid UTF-8 holding non-ASCII characters: it
                   // may be UTF-8, or code page 932 text that also reads so
};

// The encoding the bytes announce by their byte-order mark, or what they can
// be without one.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The encoding the first bytes of a text announce by their byte-order mark;
// Cp932 where they have none.
TextEncoding MarkedEncoding(std::string_view start);

// What an unmarked text can be, learnt piece by piece. Pieces cut at line
// ends split no UTF-8 sequence, so each is judged alone.
class UnmarkedEncoding {
public:
    void Add(std::string_view piece);
    // Utf8Unmarked or Cp932.
    TextEncoding Result() const;

private:
    bool m_nonAscii = false;
    bool m_validUtf8 = true;
};

// The bytes after the byte-order mark of encoding, if any.
std::string_view WithoutByteOrderMark(std::string_view bytes, TextEncoding encoding);

// True when the bytes are UTF-8 as the standard defines it: no overlong
// form, no surrogate, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Where a piece of a text in encoding may end: one past its last line end
// (CR or LF), or 0 when it holds none. A UTF-16 line end is a whole code
// unit, counted from the start of bytes.
std::size_t PieceEnd(std::string_view bytes, TextEncoding encoding);
