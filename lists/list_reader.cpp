#include "lists/list_reader.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "lists/column_list_parser.h"
#include "lists/delimited_list_parser.h"
#include "lists/path_rules.h"
#include "lists/report_list_parser.h"

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

using LineParser = std::variant<ReportListParser, DelimitedListParser, ColumnListParser>;

LineParser ParserFor(ListForm form, const ListLines& list) {
    switch (form) {
        case ListForm::Report:
            return ReportListParser(std::any_of(
                list.lines.begin(), list.lines.end(),
                [](const ListLine& line) { return ReportListParser::IsReportRule(line.text); }));
        case ListForm::Delimited:
            return DelimitedListParser();
        case ListForm::Column:
            break;
    }
    return ColumnListParser();
}

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

ListSummary ReadListEntries(const ListLines& list, ListForm form, const CFileName& folder,
                            const EntryVisitor& visit) {
    const FormRules& rules = kFormRules[static_cast<std::size_t>(form)];
    LineParser parser = ParserFor(form, list);
    ListSummary summary;
    for (std::size_t index = 0; index < list.lines.size(); ++index) {
        const ListLine& line = list.lines[index];
        const LineReading reading =
            std::visit([&line](auto& parser) { return parser.Read(line.text); }, parser);
        summary.notes += reading.notes;
        if (reading.step != LineStep::Entry) {
            continue;
        }
        ++summary.entries;
        if (!visit(reading.entry, FileOf(list, index, reading.entry.name, rules, folder))) {
            summary.stopped = true;
            return summary;
        }
    }
    summary.notes += std::visit([](const auto& parser) { return parser.Finish(); }, parser);
    return summary;
}

std::string NameBelow(const CFileName& folder, const CFileName& file) {
    const std::size_t start = folder.Child(L"").Text().size();
    return file.Text().substr(std::min(start, file.Text().size()));
}
