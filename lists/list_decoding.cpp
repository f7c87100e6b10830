#include "lists/list_decoding.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

#include "framework/file_kind.h"
#include "framework/path_parts.h"
#include "framework/unicode_text.h"
#include "framework/wide_path.h"
#include "lists/entry_check.h"
#include "lists/list_encoding.h"
#include "lists/list_reader.h"
#include "lists/list_text.h"
#include "lists/path_rules.h"

namespace {

// How many names that read differently in the two encodings are looked up
// at most: a list whose files exist shows it in its first entries.
constexpr std::size_t kNamesTried = 64;

// A name a list's line gives.
struct ListedName {
    std::size_t line;
    std::string name;
};

// The lines of a list's text as its form cuts them.
CStringList LinesOf(std::string_view text, ListForm form) {
    return form == ListForm::Delimited ? CrcListLines(text) : TextListLines(text);
}

// The names the list's lines give, as its reader takes them.
std::vector<ListedName> ListedNames(const CStringList& lines, ListForm form) {
    std::vector<ListedName> names;
    ReadListEntries(lines, form, {}, [&names](const ListEntry& entry, const ListedFile& file) {
        names.push_back({file.line, entry.name});
        return true;
    });
    return names;
}

// A path that leads to a share or a device is not asked after either.
bool IsExistingFile(const CFileName& folder, const CFileName& path) {
    if (!IsListedFile(folder, path)) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(path.SystemPath().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// True when a name the text gives with other than ASCII characters names
// a file that exists where the list looks for it.
bool NamesExistingFile(std::string_view text, ListForm form, const CFileName& folder) {
    std::size_t tried = 0;
    for (const ListedName& listed : ListedNames(LinesOf(text, form), form)) {
        if (IsAscii(listed.name)) {
            continue;
        }
        if (tried++ == kNamesTried) {
            break;
        }
        if (IsExistingFile(folder, ListedFileName(folder, {}, listed.line, listed.name, form))) {
            return true;
        }
    }
    return false;
}

// The text as written, or nothing when the list is code page 932 text.
std::wstring RealTextOf(std::string_view bytes, ListForm form, const CFileName& folder) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const std::string_view text = WithoutByteOrderMark(bytes, encoding);
    switch (encoding) {
        case TextEncoding::Utf8:
            return Utf8ToWide(text);
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            return Utf16ToWide(text, encoding == TextEncoding::Utf16Be);
        case TextEncoding::Utf8Unmarked:
            if (!NamesExistingFile(text, form, folder)) {
                return Utf8ToWide(text);
            }
            break;
        case TextEncoding::Cp932:
            break;
    }
    return {};
}

// The lines of real text, cut as the code page 932 lines are: the same
// characters end them, so the n-th of each is the same line.
std::vector<std::wstring> RealLines(std::wstring_view text, ListForm form) {
    if (form != ListForm::Delimited) {
        text = text.substr(0, text.find(L'\x1A'));
    }
    std::vector<std::wstring> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of(L"\r\n"), text.size());
        if (end > 0) {
            lines.emplace_back(text.substr(0, end));
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// The characters at the start of a real line that code page 932 writes in
// bytes bytes: the real name the reader took from the line's start.
std::wstring RealPrefix(std::wstring_view line, std::size_t bytes) {
    std::size_t written = 0;
    std::size_t at = 0;
    while (written < bytes && at < line.size()) {
        const bool pair = IS_HIGH_SURROGATE(line[at]) && at + 1 < line.size();
        const std::size_t length = pair ? 2 : 1;
        written += NarrowText(line.substr(at, length)).size();
        at += length;
    }
    return std::wstring(line.substr(0, at));
}

// One reading of a list's text: cp932Text as it stands when realText is
// empty, otherwise realText, written in code page 932 where it can be.
ListLines ReadingOf(std::string_view cp932Text, std::wstring_view realText, ListForm form) {
    ListLines read;
    const std::string text = realText.empty() ? std::string(cp932Text) : NarrowText(realText);
    read.lines = LinesOf(text, form);
    read.textAfterEndMark = form != ListForm::Delimited && HoldsTextAfterEndMark(text);
    for (const std::wstring& line : RealLines(realText, form)) {
        bool lossy = false;
        NarrowText(line, &lossy);
        read.real.lines.push_back(lossy ? line : std::wstring());
    }
    return read;
}

// The names other than ASCII that a reading gives and that name existing
// files, by line: the name and the file's real path.
std::map<std::size_t, std::pair<std::string, CFileName>> ExistingNames(const ListLines& reading,
                                                                       ListForm form,
                                                                       const CFileName& folder) {
    std::map<std::size_t, std::pair<std::string, CFileName>> existing;
    for (const ListedName& listed : ListedNames(reading.lines, form)) {
        if (IsAscii(listed.name)) {
            continue;
        }
        CFileName path = ListedFileName(folder, reading.real, listed.line, listed.name, form);
        if (IsExistingFile(folder, path)) {
            existing[listed.line] = {listed.name, std::move(path)};
        }
    }
    return existing;
}

// Per line of the chosen reading, the name the other reading gives where
// both name existing files that are not the same.
std::vector<std::string> TwinNames(const ListLines& chosen, const ListLines& other, ListForm form,
                                   const CFileName& folder) {
    std::vector<std::string> twins;
    const auto mine = ExistingNames(chosen, form, folder);
    if (mine.empty()) {
        return twins;
    }
    const auto theirs = ExistingNames(other, form, folder);
    for (const auto& [line, named] : mine) {
        const auto twin = theirs.find(line);
        if (twin != theirs.end() && twin->second.second != named.second) {
            twins.resize(std::max(twins.size(), line + 1));
            twins[line] = twin->second.first;
        }
    }
    return twins;
}

}  // namespace

bool BeginsAsColumnList(std::string_view bytes) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const std::string_view text = WithoutByteOrderMark(bytes, encoding);
    if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) {
        return IsColumnList(
            NarrowText(Utf16ToWide(text.substr(0, 16), encoding == TextEncoding::Utf16Be)));
    }
    return IsColumnList(text);
}

ListLines ReadListLines(std::string_view bytes, ListForm form, const CFileName& listPath) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const std::string_view unmarked = WithoutByteOrderMark(bytes, encoding);
    const CFileName folder = listPath.Folder();
    const std::wstring realText = RealTextOf(bytes, form, folder);
    ListLines read = ReadingOf(unmarked, realText, form);
    if (encoding == TextEncoding::Utf8Unmarked) {
        const ListLines other = realText.empty() ? ReadingOf(unmarked, Utf8ToWide(unmarked), form)
                                                 : ReadingOf(unmarked, {}, form);
        read.twins = TwinNames(read, other, form, folder);
    }
    return read;
}

CFileName ListedFileName(const CFileName& folder, const RealListText& real, std::size_t line,
                         const std::string& name, ListForm form) {
    const bool realLine = line < real.lines.size() && !real.lines[line].empty();
    const std::wstring realName =
        realLine ? RealPrefix(real.lines[line], name.size()) : WidenText(name);
    return CFileName(folder.Real() +
                     (form == ListForm::Column ? realName : SplitJoinName(realName)));
}
