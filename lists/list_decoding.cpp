#include "lists/list_decoding.h"

#include <algorithm>
#include <map>
#include <string>

#include "framework/cp932_text.h"
#include "framework/unicode_text.h"
#include "lists/entry_check.h"
#include "lists/list_encoding.h"
#include "lists/list_reader.h"

namespace {

// How many names that read differently in the two encodings are looked up
// at most: a list whose files exist shows it in its first entries.
constexpr std::size_t kNamesTried = 64;

// A list's UTF-8 text, cut as its form is cut: the same characters end
// lines in both encodings. Its readers take each line's code page 932 text,
// as written where the list was saved again from code page 932; asBytes
// keeps the UTF-8 bytes instead, cut where they stand.
ListLines Utf8Reading(std::string_view text, ListForm form, bool asBytes = false) {
    ListLines read = CutListText(text, form);
    for (ListLine& line : read.lines) {
        line.real = Utf8ToWide(line.text);
        line.textIsUtf8 = asBytes;
        if (!asBytes) {
            line.text = NarrowText(line.real);
        }
    }
    return read;
}

// An entry's name as written and the file it names, by the entry's line.
struct NamedFile {
    std::string name;
    CFileName file;
};

std::map<std::size_t, NamedFile> FilesNamed(const ListLines& reading, ListForm form,
                                            const CFileName& folder) {
    std::map<std::size_t, NamedFile> files;
    ReadListEntries(reading, form, folder, [&](const ListEntry& entry, const ListedFile& file) {
        if (entry.fault == EntryFault::None) {
            files.emplace(file.line, NamedFile{entry.name, file.file});
        }
        return true;
    });
    return files;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// True when a name the code page 932 reading gives with other than ASCII
// characters names a file that exists where the list looks for it.
bool NamesExistingFile(const ListLines& cp932, ListForm form, const CFileName& folder) {
    std::size_t tried = 0;
    for (const auto& [line, named] : FilesNamed(cp932, form, folder)) {
        if (IsAscii(named.name)) {
            continue;
        }
        if (tried++ == kNamesTried) {
            break;
        }
        if (ListedFileExists(folder, named.file)) {
            return true;
        }
    }
    return false;
}

// Per line of the chosen reading, the name the other reading gives where
// the two name different files that both exist. Each is looked up by its
// real name, so a name code page 932 cannot write is found too.
std::vector<std::string> OtherReadingNames(const ListLines& chosen, const ListLines& other,
                                           ListForm form, const CFileName& folder) {
    std::vector<std::string> names;
    const auto theirs = FilesNamed(other, form, folder);
    for (const auto& [line, named] : FilesNamed(chosen, form, folder)) {
        const auto match = theirs.find(line);
        if (match == theirs.end() || match->second.file == named.file) {
            continue;
        }
        if (ListedFileExists(folder, named.file) && ListedFileExists(folder, match->second.file)) {
            names.resize(std::max(names.size(), line + 1));
            names[line] = NameBelow(folder, match->second.file);
        }
    }
    return names;
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
    const std::string_view text = WithoutByteOrderMark(bytes, encoding);
    switch (encoding) {
        case TextEncoding::Cp932:
            return CutListText(text, form);
        case TextEncoding::Utf8:
            return Utf8Reading(text, form);
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            return Utf8Reading(WideToUtf8(Utf16ToWide(text, encoding == TextEncoding::Utf16Be)),
                               form);
        case TextEncoding::Utf8Unmarked:
            break;
    }
    const CFileName folder = listPath.Folder();
    ListLines cp932 = CutListText(text, form);
    // The other reading of each line is cut from the same bytes, so a report
    // row names the same columns in both.
    if (NamesExistingFile(cp932, form, folder)) {
        cp932.otherReadingNames =
            OtherReadingNames(cp932, Utf8Reading(text, form, true), form, folder);
        return cp932;
    }
    ListLines utf8 = Utf8Reading(text, form);
    utf8.otherReadingNames = OtherReadingNames(utf8, cp932, form, folder);
    return utf8;
}
