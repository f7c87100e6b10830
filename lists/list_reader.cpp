#include "lists/list_reader.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "lists/path_rules.h"

namespace {

struct FormRules {
    CheckOrder order;
    std::wstring (*join)(std::wstring_view name);  // the name below the list's folder
    bool namedByPath;  // messages name the entry's path rather than its name
};

// Indexed by ListForm. The program's own report writes every name exactly;
// the other forms come from tools whose fixed columns pad names.
constexpr FormRules kFormRules[] = {
    {CheckOrder::SizeFirst, ExactName, false},     // Report
    {CheckOrder::CrcFirst, SplitJoinName, false},  // Delimited
    {CheckOrder::SizeFirst, SplitJoinName, true},  // Column
};

ListedFile FileOf(const ListLines& list, std::size_t index, const std::string& name,
                  const FormRules& rules, const CFileName& folder) {
    const std::wstring written = list.RealStart(index, name.size());
    const std::wstring joined = rules.join(written);
    // A code page 932 line's text is the name as written, whatever its bytes.
    const bool exact = !list.IsUnicode() || CFileName(written).IsTextExact();
    ListedFile file{index, folder.Child(joined), {}, rules.namedByPath, exact, rules.order};
    if (joined != written) {
        file.asWritten = folder.Child(written);
    }
    return file;
}

}  // namespace

ListNotes& ListNotes::operator+=(const ListNotes& other) {
    messageLines += other.messageLines;
    linesOutside += other.linesOutside;
    unbalancedTables += other.unbalancedTables;
    return *this;
}

ListEntryReader::ListEntryReader(ListForm form, bool holdsReportRule, CFileName folder)
    : m_form(form), m_folder(std::move(folder)) {
    switch (form) {
        case ListForm::Report:
            m_parser = ReportListParser(holdsReportRule);
            break;
        case ListForm::Delimited:
            m_parser = DelimitedListParser();
            break;
        case ListForm::Column:
            m_parser = ColumnListParser();
            break;
    }
}

bool ListEntryReader::Read(const ListLines& piece, const EntryVisitor& visit) {
    const FormRules& rules = kFormRules[static_cast<std::size_t>(m_form)];
    const std::size_t first = std::exchange(m_linesBefore, m_linesBefore + piece.lines.size());
    for (std::size_t index = 0; index < piece.lines.size(); ++index) {
        const std::string& text = piece.lines[index].text;
        const LineReading reading =
            std::visit([&text](auto& parser) { return parser.Read(text); }, m_parser);
        m_summary.notes += reading.notes;
        if (reading.step != LineStep::Entry) {
            continue;
        }
        ++m_summary.entries;
        ListedFile file = FileOf(piece, index, reading.entry.name, rules, m_folder);
        file.line = first + index;
        if (!visit(reading.entry, file)) {
            m_summary.stopped = true;
            return false;
        }
    }
    return true;
}

ListSummary ListEntryReader::Finish() {
    if (!m_summary.stopped) {
        m_summary.notes += std::visit([](const auto& parser) { return parser.Finish(); }, m_parser);
    }
    return m_summary;
}

bool HoldsReportRule(const ListLines& list) {
    return std::any_of(list.lines.begin(), list.lines.end(), [](const ListLine& line) {
        return ReportListParser::IsReportRule(line.text);
    });
}

ListSummary ReadListEntries(const ListLines& list, ListForm form, const CFileName& folder,
                            const EntryVisitor& visit) {
    ListEntryReader reader(form, form == ListForm::Report && HoldsReportRule(list), folder);
    reader.Read(list, visit);
    return reader.Finish();
}

std::string NameBelow(const CFileName& folder, const CFileName& file) {
    const std::size_t start = folder.Child(L"").Text().size();
    return file.Text().substr(std::min(start, file.Text().size()));
}
