// Takes paths apart and puts them together again, with code page 932 names
// whose trail bytes may be 0x5C, the backslash. Arbitrary bytes must split
// into parts that give back the path; a path built from well-formed
// components must split exactly at its last separator, and no double-byte
// character may be cut by a separator search, a trim or the dot search of
// a listed name.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/cp932.h"
#include "framework/dos_names.h"
#include "framework/path_parts.h"
#include "fuzz/fuzz_check.h"
#include "lists/listed_place.h"
#include "lists/path_rules.h"

namespace {

void CheckSplit(std::string_view path) {
    const PathParts parts = SplitPath(path);
    Expect(parts.drive + parts.dir + parts.base + parts.ext == path, "the parts are not the path");
    Expect(parts.drive.empty() || (parts.drive.size() == 2 && parts.drive[1] == ':'),
           "a drive that is no letter and colon");
    Expect(parts.dir.empty() || EndsWithSeparator(parts.dir), "a folder without its separator");
    const std::size_t last = FindLastSeparator(path.substr(parts.drive.size()));
    Expect(last == (parts.dir.empty() ? std::string_view::npos : parts.dir.size() - 1),
           "the folder does not end at the last separator");
    Expect(parts.ext.empty() ||
               (parts.ext.front() == '.' && parts.ext.find('.', 1) == std::string::npos),
           "an extension not from the last dot");
    Expect(!parts.ext.empty() || parts.base.find('.') == std::string::npos,
           "a dot left in a name without extension");
    Expect(FinalComponent(path) == parts.base + parts.ext, "the final component differs");
    Expect(MakePath(parts.drive, parts.dir, parts.base, parts.ext) == path,
           "joining the parts does not give the path back");
}

// Reads well-formed code page 932 text from the fuzzer's bytes: single-byte
// characters other than the separators, and double-byte characters whose
// trail byte is 0x5C one time in four.
class ComponentSource {
public:
    ComponentSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_at >= m_size; }

    std::string Next() {
        std::string component;
        const std::size_t length = Byte() % 12;
        for (std::size_t i = 0; i < length && !Empty(); ++i) {
            const unsigned char c = Byte();
            if (IsLeadByte(c)) {
                const unsigned char pick = Byte();
                component += static_cast<char>(c);
                component += static_cast<char>(pick % 4 == 0 ? 0x5C : Trail(pick));
            } else if (c != '\\' && c != '/' && c != 0) {
                component += static_cast<char>(c);
            }
        }
        return component;
    }

private:
    unsigned char Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    // 0x40-0xFC without 0x7F.
    static unsigned char Trail(unsigned char pick) {
        const unsigned char trail = static_cast<unsigned char>(0x40 + pick % 0xBD);
        return trail == 0x7F ? 0x80 : trail;
    }
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// True when every double-byte character of text is whole.
bool IsWhole(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return i == text.size();
}

void CheckBuiltPath(const std::uint8_t* data, std::size_t size) {
    ComponentSource source(data, size);
    std::vector<std::string> components;
    while (!source.Empty() && components.size() < 8) {
        components.push_back(source.Next());
    }
    if (components.empty()) {
        return;
    }
    std::string dir;
    for (std::size_t i = 0; i + 1 < components.size(); ++i) {
        dir += components[i] + '\\';
    }
    const std::string& name = components.back();
    const std::string path = "C:" + dir + name;
    const PathParts parts = SplitPath(path);
    Expect(parts.drive == "C:" && parts.dir == dir,
           "a double-byte character taken for a separator");
    Expect(parts.base + parts.ext == name, "the name lost or gained bytes");
    Expect(IsWhole(parts.base) && IsWhole(parts.ext), "the extension cut a character");
    Expect(!EndsWithSeparator(name), "a trail byte 0x5C taken for a trailing separator");
    Expect(IsWhole(TrimAsciiSpace(name)), "a trim cut a character");

    // A listed name: split at its first dot, trimmed, joined with the list's folder.
    const FileNameParts listed = SplitFileName(name);
    Expect(IsWhole(listed.base) && IsWhole(listed.ext), "the first dot cut a character");
    Expect(listed.base.find('.') == std::string::npos,
           "the listed name was not cut at its first dot");
    const std::string joined = SplitJoinPath("C:", dir, name);
    const PathParts again = SplitPath(joined);
    Expect(again.drive == "C:" && again.dir == dir, "the listed name left its folder");
    const std::string_view base = TrimAsciiSpace(listed.base);
    const std::string_view ext = TrimAsciiSpace(listed.ext);
    std::string expected(base);
    if (name.find('.') != std::string::npos) {
        expected += ".";
        expected += ext;
    }
    Expect(again.base + again.ext == expected, "the listed name was joined otherwise");
}

// Names that need the verbatim form of their path: devices by the name
// before their first dot, and names that end in a dot or a space.
void CheckDosNames(std::string_view component) {
    const bool device = IsReservedDeviceName(component);
    std::string_view base = component.substr(0, component.find_first_of(".:"));
    base = base.substr(0, base.find_last_not_of(' ') + 1);
    Expect(!device || base.size() <= 7, "a long name taken for a device");
    Expect(!device || std::all_of(base.begin(), base.end(),
                                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }),
           "a name with a double-byte character taken for a device");
    if (component.find_first_of(".:") == std::string_view::npos) {
        Expect(IsReservedDeviceName(std::string(component) + ".txt") == device,
               "an extension changed whether a name is a device");
    }
    const bool trailing = !component.empty() && component != "." && component != ".." &&
                          (component.back() == '.' || component.back() == ' ');
    Expect(NeedsVerbatimPath(component) == (device || trailing), "a name reached otherwise");
}

// Where a listed path leads, read against simple facts of the system's
// path forms rather than by the classification's own steps: what does not
// begin with two separators stays on a drive or the list's own volume, a
// drive folder keeps every name joined to it, and behind a device prefix or
// another share there is never a file.
void CheckListedPlace(std::string_view bytes) {
    const std::wstring text(bytes.begin(), bytes.end());
    const auto isSeparator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    const bool twoSeparators = text.size() >= 2 && isSeparator(text[0]) && isSeparator(text[1]);
    if (!twoSeparators && !text.starts_with(L"\\??\\")) {
        Expect(ClassifyListedPath(L"\\\\nas\\backup\\", text) == ListedPlace::File,
               "a path on a drive, rooted or relative taken for no file");
    }
    Expect(ClassifyListedPath(L"C:\\data\\", L"C:\\data\\" + text) == ListedPlace::File,
           "a name joined with a drive folder left the drive");
    for (const wchar_t* place : {L"\\\\.\\", L"//?/", L"\\\\?\\GLOBALROOT\\", L"\\\\srv\\s\\"}) {
        Expect(ClassifyListedPath(L"C:\\data\\", place + text) != ListedPlace::File,
               "a device or another share taken for a file");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    CheckSplit(path);
    CheckDosNames(FinalComponent(path));
    CheckBuiltPath(data, size);
    CheckListedPlace(path);
    return 0;
}
