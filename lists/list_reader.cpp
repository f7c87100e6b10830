#include "lists/list_reader.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "lists/column_list_parser.h"
#include "lists/delimited_list_parser.h"
#include "lists/path_rules.h"
#include "lists/report_list_parser.h"

namespace {

using JoinRule = std::string (*)(std::string_view drive, std::string_view dir,
                                 std::string_view name);

struct FormRules {
    CheckOrder order;
    JoinRule join;
    bool pathIsSubject;  // messages name the entry's path rather than its name
};

// Indexed by ListForm.
constexpr FormRules kFormRules[] = {
    {CheckOrder::SizeFirst, SplitJoinPath, false},  // Report
    {CheckOrder::CrcFirst, SplitJoinPath, false},   // Delimited
    {CheckOrder::SizeFirst, PlainJoinPath, true},   // Column
};

using LineParser = std::variant<ReportListParser, DelimitedListParser, ColumnListParser>;

LineParser ParserFor(ListForm form, const CStringList& lines) {
    switch (form) {
        case ListForm::Report:
            return ReportListParser(
                std::any_of(lines.begin(), lines.end(), ReportListParser::IsReportRule));
        case ListForm::Delimited:
            return DelimitedListParser();
        case ListForm::Column:
            break;
    }
    return ColumnListParser();
}

}  // namespace

ListSummary ReadListEntries(const CStringList& lines, ListForm form, const PathParts& where,
                            const EntryVisitor& visit) {
    const FormRules& rules = kFormRules[static_cast<std::size_t>(form)];
    LineParser parser = ParserFor(form, lines);
    ListSummary summary;
    std::size_t index = 0;
    for (const std::string& line : lines) {
        const LineReading reading =
            std::visit([&line](auto& form) { return form.Read(line); }, parser);
        if (reading.step == LineStep::End) {
            break;
        }
        if (reading.step == LineStep::Message) {
            ++summary.messageLines;
        }
        if (reading.step == LineStep::Entry) {
            ListedFile file{
                index, rules.join(where.drive, where.dir, reading.entry.name), {}, rules.order};
            file.subject = rules.pathIsSubject ? file.path : reading.entry.name;
            ++summary.entries;
            if (!visit(reading.entry, file)) {
                summary.stopped = true;
                break;
            }
        }
        ++index;
    }
    return summary;
}
