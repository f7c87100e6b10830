#include "lists/list_inputs.h"

#include <optional>

#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/path_message.h"
#include "lists/list_check.h"
#include "lists/list_decoding.h"
#include "lists/list_file.h"
#include "lists/list_messages.h"
#include "lists/list_text.h"

namespace {

// What differs between the lists the user names, by their extension.
struct ListKind {
    ListForm form;
    bool mayBeColumnList;  // a ".crc" list that begins with "FileName" is in column form
    bool refusesSfv32;     // a ".txt" SFV-32 list is checksummed as a file instead
};

constexpr ListKind kTextList = {ListForm::Report, false, true};
constexpr ListKind kCrcList = {ListForm::Delimited, true, false};

// The bytes of a list, read once, or nothing after a message naming path.
std::optional<std::string> ReadListBytes(const InputEntry& input, CJobReport& report) {
    const std::string& path = input.path.Text();
    ListFile list = ReadListFile(input.path);
    switch (list.status) {
        case ListRead::Read:
            return std::move(list.bytes);
        case ListRead::CannotOpen:
            report.AddMessage(FormatPathMessage(CatalogMessage::CannotOpen, path));
            break;
        case ListRead::TooLarge:
            report.AddMessage(FormatPathMessage(CatalogMessage::ListTooLarge, path));
            break;
        case ListRead::ReadFailed:
            report.AddMessage(ReadErrorMessage(path));
            break;
    }
    return std::nullopt;
}

struct DecodedList {
    ListForm form;
    ListLines list;
};

// The list's lines; its bytes are let go once decoded, so that a large list
// is held once, as lines, while its entries are checked.
std::optional<DecodedList> DecodeList(const InputEntry& input, const ListKind& kind,
                                      CJobReport& report) {
    const std::optional<std::string> bytes = ReadListBytes(input, report);
    if (!bytes) {
        return std::nullopt;
    }
    const ListForm form =
        kind.mayBeColumnList && BeginsAsColumnList(*bytes) ? ListForm::Column : kind.form;
    return DecodedList{form, ReadListLines(*bytes, form, input.path)};
}

// False when the list gave neither a row nor a message.
bool VerifyList(const InputEntry& input, const ListKind& kind, CJobReport& report) {
    const std::optional<DecodedList> decoded = DecodeList(input, kind, report);
    if (!decoded) {
        return true;
    }
    const auto& [form, list] = *decoded;
    if (list.lines.empty()) {
        report.AddMessage(EmptyListMessage(input.path.Text()));
        return true;
    }
    if (kind.refusesSfv32 && IsSfv32List(list)) {
        report.AddMessage(Sfv32Message(input.path.Text()));
        ChecksumFile(input, report);
        return true;
    }
    return VerifyListLines(list, form, input.path, report);
}

// A list that leaves neither a row nor a message was read to its end
// without an entry (a report without its rule line, a line of other text):
// the user must hear of it, or the report would say that no error was found.
template <const ListKind& kind>
void CheckList(const InputEntry& input, CJobReport& report) {
    if (!VerifyList(input, kind, report) && !JobStoppedEarly()) {
        report.AddMessage(NoEntryMessage(input.path.Text()));
    }
}

}  // namespace

const ListChecks kChecksumLists = {CheckList<kTextList>, CheckList<kCrcList>};
