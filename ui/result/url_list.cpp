#include "ui/result/url_list.h"

#include <vector>

#include "framework/cp932.h"
#include "framework/path_parts.h"
#include "framework/text_mode.h"

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

}  // namespace

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
    const std::size_t lineEnd = window.find('\n');
    if (lineEnd == std::string_view::npos) {
        piece = window;
        m_rest.remove_prefix(window.size());
    } else {
        piece = window.substr(0, lineEnd);
        m_rest.remove_prefix(lineEnd + 1);
    }
    return true;
}

std::string ExtractPlainUrls(std::string_view text, CRemainingNames& names) {
    std::string out;
    CLinePieces pieces(text);
    std::string_view line;
    while (!names.IsEmpty() && pieces.Next(line)) {
        if (names.TakeFirstMatch(line)) {
            AppendLine(out, line);
        }
    }
    return out;
}

std::string ExtractUrlRecords(std::string_view text, CRemainingNames& names) {
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
        if (!url.empty() && names.TakeFirstMatch(url)) {
            for (const std::string_view recordLine : lines) {
                AppendLine(out, recordLine);
            }
            out += '\n';
        }
    }
    return out;
}

std::string ExtractUrlList(UrlListFormat format, std::string_view listBytes,
                           const CStringList& failedNames) {
    CRemainingNames names(failedNames);
    const std::string text = TextModeContent(listBytes);
    switch (format) {
        case UrlListFormat::Plain:
            return TextModeBytes(ExtractPlainUrls(text, names));
        case UrlListFormat::Records:
            return TextModeBytes(ExtractUrlRecords(text, names));
        case UrlListFormat::Unknown:
            break;
    }
    return {};
}
