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

std::string Utf16AsCp932(std::string_view bytes, bool bigEndian) {
    return NarrowText(Utf16ToWide(bytes, bigEndian));
}

std::string Utf8AsCp932(std::string_view bytes) {
    return NarrowText(Utf8ToWide(bytes));
}

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

}  // namespace

bool BeginsAsColumnList(std::string_view bytes) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const std::string_view text = WithoutByteOrderMark(bytes, encoding);
    switch (encoding) {
        case TextEncoding::Utf8:
            return IsColumnList(text);
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            return IsColumnList(
                Utf16AsCp932(text.substr(0, 16), encoding == TextEncoding::Utf16Be));
        case TextEncoding::Cp932:
        case TextEncoding::Utf8Unmarked:
            break;
    }
    return IsColumnList(text);
}

std::string ListTextAsCp932(std::string_view bytes, ListForm form, const std::string& listPath) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const std::string_view text = WithoutByteOrderMark(bytes, encoding);
    switch (encoding) {
        case TextEncoding::Utf8:
            return Utf8AsCp932(text);
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be:
            return Utf16AsCp932(text, encoding == TextEncoding::Utf16Be);
        case TextEncoding::Utf8Unmarked:
            if (!NamesExistingFile(std::string(text), form, listPath)) {
                return Utf8AsCp932(text);
            }
            break;
        case TextEncoding::Cp932:
            break;
    }
    return std::string(text);
}
