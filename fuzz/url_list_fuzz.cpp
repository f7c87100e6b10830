// Filters arbitrary URL lists by arbitrary failed names, in both formats, and
// compares the extracts with a plain re-reading that tries every remaining
// name on every line. Input: names separated by LF, a NUL, then the list.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "framework/cp932.h"
#include "framework/text_mode.h"
#include "ui/result/url_list.h"

namespace {

bool TakeNaive(std::vector<std::string>& names, std::string_view text) {
    for (auto it = names.begin(); it != names.end(); ++it) {
        if (EndsWithIgnoreAsciiCase(text, *it)) {
            names.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<std::string> NaivePieces(std::string_view text) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        piece += c;
        if (c == '\n' || piece.size() == 499) {
            if (piece.back() == '\n') {
                piece.pop_back();
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
