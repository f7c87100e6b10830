#include "ui/result/url_list.h"

#include <vector>

#include "framework/cp932.h"
#include "framework/path_parts.h"
#include "framework/text_mode.h"
#include "lists/list_encoding.h"

namespace {

constexpr std::string_view kUrlPrefix = "Url=";

// A record ends at an empty line or a ";" comment line; neither belongs to it.
bool EndsRecord(std::string_view line) {
    return line.empty() || line.front() == ';';
}

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += '\n';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = ToLowerAscii(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The byte a "%XX" escape at text's start spells, or -1.
int EscapedByte(std::string_view text) {
    if (text.size() < 3 || text[0] != '%' || HexValue(text[1]) < 0 || HexValue(text[2]) < 0) {
        return -1;
    }
    return HexValue(text[1]) * 16 + HexValue(text[2]);
}

// The URL as it names a file: up to its query or fragment, each run of
// escapes decoded together, so that a character's UTF-8 bytes turn into the
// list's encoding as one. ('%', '?' and '#' are never trail bytes.)
std::string UrlPathText(std::string_view url, const UrlListEncoding& encoding) {
    url = url.substr(0, url.find_first_of("?#"));
    std::string path;
    std::string run;
    const auto flush = [&] {
        const bool convert = encoding.fromUtf8 && IsValidUtf8(run);
        path += convert ? encoding.fromUtf8(run) : run;
        run.clear();
    };
    while (!url.empty()) {
        const int byte = EscapedByte(url);
        if (byte >= 0) {
            run += static_cast<char>(byte);
            url.remove_prefix(3);
            continue;
        }
        flush();
        path += url.front();
        url.remove_prefix(1);
    }
    flush();
    return path;
}

// Offsets just after a '/', '\\' or '=' that is a character of its own, and
// the start: where a file's name can begin.
std::vector<bool> NameStarts(std::string_view text, bool doubleByte) {
    std::vector<bool> starts(text.size() + 1, false);
    starts[0] = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (doubleByte && IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < text.size()) {
            ++i;
        } else if (c == '/' || c == '\\' || c == '=') {
            starts[i + 1] = true;
        }
    }
    return starts;
}

}  // namespace

bool TakeNamedFile(std::string_view url, CRemainingNames& names, const UrlListEncoding& encoding) {
    const std::string path = UrlPathText(url, encoding);
    const std::vector<bool> starts = NameStarts(path, encoding.doubleByte);
    return names.TakeFirstMatch(path, [&starts](std::size_t offset) { return starts[offset]; });
}

UrlListFormat UrlListFormatOf(std::string_view path) {
    const std::string ext = SplitPath(path).ext;
    if (EqualsIgnoreAsciiCase(ext, ".txt")) {
        return UrlListFormat::Plain;
    }
    if (EqualsIgnoreAsciiCase(ext, ".wrg")) {
        return UrlListFormat::Records;
    }
    return UrlListFormat::Unknown;
}

std::wstring UrlExtractPath(std::wstring_view listPath) {
    const std::size_t nameStart = FinalComponentStart(listPath);
    const std::size_t dot = listPath.rfind(L'.');
    const bool extension = dot != std::wstring_view::npos && dot >= nameStart;
    std::wstring path(listPath);
    path.insert(extension ? dot : path.size(), L"_");
    return path;
}

bool CLinePieces::Next(std::string_view& piece) {
    if (m_rest.empty()) {
        return false;
    }
    const std::string_view window = m_rest.substr(0, kMaxPiece);
    const std::size_t lineEnd = window.find_first_of("\r\n");
    if (lineEnd == std::string_view::npos) {
        piece = window;
        m_rest.remove_prefix(window.size());
        return true;
    }
    piece = window.substr(0, lineEnd);
    const bool crLf = m_rest.substr(lineEnd, 2) == "\r\n";
    m_rest.remove_prefix(lineEnd + (crLf ? 2 : 1));
    return true;
}

std::string ExtractPlainUrls(std::string_view text, CRemainingNames& names,
                             const UrlListEncoding& encoding) {
    std::string out;
    CLinePieces pieces(text);
    std::string_view line;
    while (!names.IsEmpty() && pieces.Next(line)) {
        if (TakeNamedFile(line, names, encoding)) {
            AppendLine(out, line);
        }
    }
    return out;
}

std::string ExtractUrlRecords(std::string_view text, CRemainingNames& names,
                              const UrlListEncoding& encoding) {
    std::string out;
    CLinePieces pieces(text);
    bool moreInput = true;
    std::vector<std::string_view> lines;
    while (moreInput && !names.IsEmpty()) {
        lines.clear();
        std::string_view url;
        std::string_view line;
        while ((moreInput = pieces.Next(line)) && !EndsRecord(line)) {
            lines.push_back(line);
            if (StartsWithIgnoreAsciiCase(line, kUrlPrefix)) {
                url = TrimAsciiSpace(line.substr(kUrlPrefix.size()));
            }
        }
        if (!url.empty() && TakeNamedFile(url, names, encoding)) {
            for (const std::string_view recordLine : lines) {
                AppendLine(out, recordLine);
            }
            out += '\n';
        }
    }
    return out;
}

std::string ExtractUrlList(UrlListFormat format, std::string_view listBytes,
                           const CStringList& failedNames, const UrlListEncoding& encoding) {
    CRemainingNames names(failedNames);
    const std::string text = TextModeContent(listBytes);
    switch (format) {
        case UrlListFormat::Plain:
            return TextModeBytes(ExtractPlainUrls(text, names, encoding));
        case UrlListFormat::Records:
            return TextModeBytes(ExtractUrlRecords(text, names, encoding));
        case UrlListFormat::Unknown:
            break;
    }
    return {};
}
