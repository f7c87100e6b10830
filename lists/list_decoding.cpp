#include "lists/list_decoding.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "engine/list_encoding.h"
#include "engine/list_text.h"
#include "framework/file_kind.h"
#include "framework/path_parts.h"
#include "framework/unicode_text.h"
#include "framework/wide_path.h"
#include "lists/column_list_parser.h"
#include "lists/delimited_list_parser.h"
#include "lists/path_rules.h"
#include "lists/report_list_parser.h"

namespace {

// How many names that read differently in the two encodings are looked up
// at most: a list whose files exist shows it in its first entries.
constexpr std::size_t kNamesTried = 64;

template <class Parser>
void AddNames(Parser& parser, const CStringList& lines, std::vector<std::string>& names) {
    for (const std::string& line : lines) {
        const LineReading reading = parser.Read(line);
        if (reading.step == LineStep::End) {
            return;
        }
        if (reading.step == LineStep::Entry) {
            names.push_back(reading.entry.name);
        }
    }
}

// The names the list's text gives, as its reader would take them.
std::vector<std::string> ListedNames(const std::string& text, ListForm form) {
    std::vector<std::string> names;
    if (form == ListForm::Delimited) {
        for (const std::string& line : CrcListLines(text)) {
            names.push_back(ReadDelimitedLine(line).entry.name);
        }
        return names;
    }
    const CStringList lines = TextListLines(text);
    if (form == ListForm::Column) {
        ColumnListParser parser;
        AddNames(parser, lines, names);
    } else {
        ReportListParser parser(
            std::any_of(lines.begin(), lines.end(), ReportListParser::IsReportRule));
        AddNames(parser, lines, names);
    }
    return names;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// True when a name the text gives with other than ASCII characters names
// a file that exists where the list looks for it.
bool NamesExistingFile(const std::string& text, ListForm form, const std::string& listPath) {
    const PathParts where = SplitPath(listPath);
    std::size_t tried = 0;
    for (const std::string& name : ListedNames(text, form)) {
        if (IsAscii(name)) {
            continue;
        }
        if (tried++ == kNamesTried) {
            break;
        }
        const std::string path = form == ListForm::Column
                                     ? PlainJoinPath(where.drive, where.dir, name)
                                     : SplitJoinPath(where.drive, where.dir, name);
        const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            return true;
        }
    }
    return false;
}

// The text as written, or nothing when the list is code page 932 text.
std::wstring RealTextOf(std::string_view bytes, ListForm form, const std::string& listPath) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const std::string_view text = WithoutByteOrderMark(bytes, encoding);
    switch (encoding) {
        case TextEncoding::Utf8:
            return Utf8ToWide(text);
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            return Utf16ToWide(text, encoding == TextEncoding::Utf16Be);
        case TextEncoding::Utf8Unmarked:
            if (!NamesExistingFile(std::string(text), form, listPath)) {
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

ListLines ReadListLines(std::string_view bytes, ListForm form, const std::string& listPath,
                        const std::wstring& realListPath) {
    ListLines read;
    const std::wstring realText = RealTextOf(bytes, form, listPath);
    const std::string text =
        realText.empty() ? std::string(WithoutByteOrderMark(bytes, DetectTextEncoding(bytes)))
                         : NarrowText(realText);
    read.lines = form == ListForm::Delimited ? CrcListLines(text) : TextListLines(text);
    for (const std::wstring& line : RealLines(realText, form)) {
        bool lossy = false;
        NarrowText(line, &lossy);
        read.real.lines.push_back(lossy ? line : std::wstring());
    }
    if (!realListPath.empty()) {
        const std::size_t separator = realListPath.find_last_of(L"\\/");
        read.real.folder = separator == std::wstring::npos ? std::wstring()
                                                           : realListPath.substr(0, separator + 1);
    }
    return read;
}

std::wstring RealListedPath(const RealListText& real, std::size_t line, const std::string& name,
                            const std::string& drive, const std::string& dir, ListForm form) {
    const bool realLine = line < real.lines.size() && !real.lines[line].empty();
    if (!realLine && real.folder.empty()) {
        return {};
    }
    const std::wstring realName =
        realLine ? RealPrefix(real.lines[line], name.size()) : WidenText(name);
    const std::wstring folder =
        real.folder.empty() ? WidenText(MakePath(drive, dir, "", "")) : real.folder;
    return folder + (form == ListForm::Column ? realName : SplitJoinName(realName));
}
