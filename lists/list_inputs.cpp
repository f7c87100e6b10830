#include "lists/list_inputs.h"

#include <optional>

#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/path_message.h"
#include "lists/column_list.h"
#include "lists/list_check.h"
#include "lists/list_decoding.h"
#include "lists/list_file.h"
#include "lists/list_messages.h"
#include "lists/list_text.h"
#include "res/resource.h"

namespace {

// The bytes of a list, or nothing after a message naming path.
std::optional<std::string> ReadListBytes(const InputEntry& input) {
    const std::string& path = input.path.Text();
    ListFile list = ReadListFile(input.path);
    switch (list.status) {
        case ListRead::Read:
            return std::move(list.bytes);
        case ListRead::CannotOpen:
            g_messageList.AddTail(FormatPathMessage(IDS_CANNOT_OPEN, path));
            break;
        case ListRead::TooLarge:
            g_messageList.AddTail(FormatPathMessage(IDS_LIST_TOO_LARGE, path));
            break;
        case ListRead::ReadFailed:
            g_messageList.AddTail(ReadErrorMessage(path));
            break;
    }
    return std::nullopt;
}

void VerifyTextList(const InputEntry& input) {
    const std::string& path = input.path.Text();
    const std::optional<std::string> bytes = ReadListBytes(input);
    if (!bytes) {
        return;
    }
    const ListLines list = ReadListLines(*bytes, ListForm::Report, input.path);
    if (list.lines.IsEmpty()) {
        g_messageList.AddTail(EmptyListMessage(path));
        return;
    }
    if (IsSfv32List(list.lines)) {
        g_messageList.AddTail(Sfv32Message(path));
        ChecksumFile(input);
        return;
    }
    VerifyListLines(list, ListForm::Report, input.path);
}

void VerifyCrcList(const InputEntry& input) {
    const std::string& path = input.path.Text();
    const std::optional<std::string> bytes = ReadListBytes(input);
    if (!bytes) {
        return;
    }
    if (BeginsAsColumnList(*bytes)) {
        VerifyColumnList(input.path);
        return;
    }
    const ListLines list = ReadListLines(*bytes, ListForm::Delimited, input.path);
    if (list.lines.IsEmpty()) {
        g_messageList.AddTail(EmptyListMessage(path));
        return;
    }
    VerifyListLines(list, ListForm::Delimited, input.path);
}

// A list that leaves neither a row nor a message was read to its end
// without an entry (a report without its rule line, a line of other text):
// the user must hear of it, or the report would say that no error was found.
template <void (*Verify)(const InputEntry&)>
void CheckList(const InputEntry& input) {
    const std::size_t rows = g_nameList.GetCount();
    const std::size_t messages = g_messageList.GetCount();
    Verify(input);
    if (g_nameList.GetCount() == rows && g_messageList.GetCount() == messages &&
        !JobStoppedEarly()) {
        g_messageList.AddTail(NoEntryMessage(input.path.Text()));
    }
}

}  // namespace

const ListChecks kChecksumLists = {CheckList<VerifyTextList>, CheckList<VerifyCrcList>};
