// Filters arbitrary URL lists by arbitrary failed names, in both formats, and
// compares the extracts with a plain re-reading that tries every remaining
// name on every line's decoded path. Input: names separated by LF, a NUL, then the list.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "framework/cp932.h"
#include "framework/text_mode.h"
#include "ui/result/url_list.h"

namespace {

int HexDigit(char c) {
    const std::string_view digits = "0123456789abcdef";
    const std::size_t at = digits.find(ToLowerAscii(c));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The URL without query or fragment, each "%XX" replaced by its byte.
std::string NaivePath(std::string_view url) {
    std::string path;
    for (std::size_t i = 0; i < url.size() && url[i] != '?' && url[i] != '#'; ++i) {
        if (url[i] == '%' && i + 2 < url.size() && HexDigit(url[i + 1]) >= 0 &&
            HexDigit(url[i + 2]) >= 0) {
            path += static_cast<char>(HexDigit(url[i + 1]) * 16 + HexDigit(url[i + 2]));
            i += 2;
        } else {
            path += url[i];
        }
    }
    return path;
}

// True when the byte before offset is a separator standing as a character
// of its own, read from the text's start.
bool AfterSeparator(std::string_view text, std::size_t offset) {
    std::size_t character = 0;
    for (std::size_t i = 0; i < offset; i += IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1) {
        character = i;
    }
    const char before = text[offset - 1];
    return character == offset - 1 && (before == '/' || before == '\\' || before == '=');
}

bool TakeNaive(std::vector<std::string>& names, std::string_view url) {
    const std::string path = NaivePath(url);
    for (auto it = names.begin(); it != names.end(); ++it) {
        const std::size_t start = path.size() - std::min(path.size(), it->size());
        if (EqualsIgnoreAsciiCase(std::string_view(path).substr(start), *it) &&
            (start == 0 || AfterSeparator(path, start))) {
            names.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<std::string> NaivePieces(std::string_view text) {
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        piece += c;
        const bool lineEnd = c == '\n' || c == '\r';
        if (lineEnd || piece.size() == 499) {
            if (lineEnd) {
                piece.pop_back();
            }
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) {
        pieces.push_back(piece);
    }
    return pieces;
}

std::string NaivePlain(const std::vector<std::string>& pieces, std::vector<std::string> names) {
    std::string out;
    for (const auto& piece : pieces) {
        if (TakeNaive(names, piece)) {
            out += piece + "\n";
        }
    }
    return out;
}

std::string NaiveRecords(const std::vector<std::string>& pieces, std::vector<std::string> names) {
    std::string out;
    std::vector<std::string> record;
    std::string url;
    for (std::size_t i = 0; i <= pieces.size(); ++i) {
        if (i == pieces.size() || pieces[i].empty() || pieces[i][0] == ';') {
            if (!url.empty() && TakeNaive(names, url)) {
                for (const auto& line : record) {
                    out += line + "\n";
                }
                out += "\n";
            }
            record.clear();
            url.clear();
            continue;
        }
        record.push_back(pieces[i]);
        if (StartsWithIgnoreAsciiCase(pieces[i], "Url=")) {
            url = std::string(TrimAsciiSpace(std::string_view(pieces[i]).substr(4)));
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    if (split == std::string_view::npos) {
        return 0;
    }
    CStringList failed;
    std::vector<std::string> names;
    std::string_view nameText = input.substr(0, split);
    while (!nameText.empty() && names.size() < 64) {
        const std::size_t end = nameText.find('\n');
        names.emplace_back(nameText.substr(0, end));
        failed.AddTail(names.back());
        nameText.remove_prefix(end == std::string_view::npos ? nameText.size() : end + 1);
    }
    const std::string_view list = input.substr(split + 1);
    const auto pieces = NaivePieces(TextModeContent(list));
    if (ExtractUrlList(UrlListFormat::Plain, list, failed) !=
        TextModeBytes(NaivePlain(pieces, names))) {
        std::abort();
    }
    if (ExtractUrlList(UrlListFormat::Records, list, failed) !=
        TextModeBytes(NaiveRecords(pieces, names))) {
        std::abort();
    }
    return 0;
}
