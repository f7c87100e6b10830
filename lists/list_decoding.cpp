#include "lists/list_decoding.h"

#include <algorithm>
#include <utility>

#include "framework/cp932_text.h"
#include "framework/unicode_text.h"
#include "lists/entry_check.h"

namespace {

// How many names that read differently in the two encodings are looked up
// at most: a list whose files exist shows it in its first entries.
constexpr std::size_t kNamesTried = 64;

// A list's UTF-8 text, cut as its form is cut: the same characters end
// lines in both encodings. Its readers take each line's code page 932 text,
// as written where the list was saved again from code page 932; asBytes
// keeps the UTF-8 bytes instead, cut where they stand.
ListLines Utf8Reading(std::string_view text, bool asBytes) {
    ListLines read = CutListPiece(text);
    read.textIsUtf8 = asBytes;
    read.reals.reserve(read.lines.size());
    for (ListLine& line : read.lines) {
        read.reals.push_back(Utf8ToWide(line.text));
        if (!asBytes) {
            line.text = NarrowText(read.reals.back());
        }
    }
    return read;
}

// An entry's name as written and the file it names, by the entry's line.
struct NamedFile {
    std::string name;
    CFileName file;
};

std::map<std::size_t, NamedFile> FilesNamed(ListEntryReader& reader, const ListLines& reading) {
    std::map<std::size_t, NamedFile> files;
    reader.Read(reading, [&](const ListEntry& entry, const ListedFile& file) {
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

bool IsTextForm(ListForm form) {
    return form != ListForm::Delimited;
}

// True when a name the code page 932 reading gives with other than ASCII
// characters names a file that exists where the list looks for it.
bool NamesExistingFile(const ListPieceSource& pieces, const ListSurvey& survey,
                       const CFileName& folder) {
    ListEntryReader reader(survey.form, survey.holdsReportRule, folder);
    EndMark end;
    std::size_t tried = 0;
    bool exists = false;
    const EntryVisitor look = [&](const ListEntry& entry, const ListedFile& file) {
        if (entry.fault != EntryFault::None || IsAscii(entry.name)) {
            return true;
        }
        exists = tried++ < kNamesTried && ListedFileExists(folder, file.file);
        return !exists && tried <= kNamesTried;
    };
    pieces([&](std::string_view piece) {
        return reader.Read(CutListPiece(IsTextForm(survey.form) ? end.Before(piece) : piece), look);
    });
    return exists;
}

}  // namespace

ListSurvey SurveyList(const ListPieceSource& pieces, ListForm form, bool mayBeColumn) {
    ListSurvey survey;
    survey.form = form;
    EndMark end;
    bool first = true;
    pieces([&](std::string_view piece) {
        if (std::exchange(first, false) && mayBeColumn && IsColumnList(piece)) {
            survey.form = ListForm::Column;
        }
        survey.unmarked.Add(piece);
        const ListLines lines = CutListPiece(IsTextForm(survey.form) ? end.Before(piece) : piece);
        if (!survey.hasLines && !lines.lines.empty()) {
            survey.hasLines = true;
            survey.sfv32 = IsSfv32List(lines);
        }
        survey.holdsReportRule = survey.holdsReportRule || HoldsReportRule(lines);
        return true;
    });
    survey.textAfterEndMark = IsTextForm(survey.form) && end.TextAfter();
    return survey;
}

ListDecoder::ListDecoder(TextEncoding encoding, const ListSurvey& survey, const CFileName& listPath,
                         const ListPieceSource& pieces)
    : m_utf8(encoding != TextEncoding::Cp932),
      m_textForm(IsTextForm(survey.form)),
      m_folder(listPath.Folder()) {
    if (encoding != TextEncoding::Utf8Unmarked) {
        return;
    }
    m_utf8 = !NamesExistingFile(pieces, survey, m_folder);
    m_chosenNames.emplace(survey.form, survey.holdsReportRule, m_folder);
    m_otherNames.emplace(survey.form, survey.holdsReportRule, m_folder);
}

ListLines ListDecoder::Reading(std::string_view text, bool utf8, bool asBytes) const {
    return utf8 ? Utf8Reading(text, asBytes) : CutListPiece(text);
}

ListLines ListDecoder::Decode(std::string_view piece) {
    const std::string_view text = m_textForm ? m_end.Before(piece) : piece;
    ListLines chosen = Reading(text, m_utf8);
    if (m_chosenNames) {
        // The other reading of each line is cut from the same bytes, so a
        // report row names the same columns in both.
        const std::map<std::size_t, std::string> otherNames =
            OtherReadingNames(chosen, Reading(text, !m_utf8, true));
        for (const auto& [line, name] : otherNames) {
            chosen.otherReadingNames.resize(line - m_linesBefore + 1);
            chosen.otherReadingNames[line - m_linesBefore] = name;
        }
    }
    m_linesBefore += chosen.lines.size();
    return chosen;
}

// By line, the name the other reading gives where the two name different
// files that both exist. Each is looked up by its real name, so a name code
// page 932 cannot write is found too.
std::map<std::size_t, std::string> ListDecoder::OtherReadingNames(const ListLines& chosen,
                                                                  const ListLines& other) {
    std::map<std::size_t, std::string> names;
    const auto theirs = FilesNamed(*m_otherNames, other);
    for (const auto& [line, named] : FilesNamed(*m_chosenNames, chosen)) {
        const auto match = theirs.find(line);
        if (match == theirs.end() || match->second.file == named.file) {
            continue;
        }
        if (ListedFileExists(m_folder, named.file) &&
            ListedFileExists(m_folder, match->second.file)) {
            names.emplace(line, NameBelow(m_folder, match->second.file));
        }
    }
    return names;
}
