#include "engine/job_runner.h"

#include <new>
#include <optional>

#include "engine/crc16.h"
#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/list_file.h"
#include "engine/list_text.h"
#include "engine/path_message.h"
#include "framework/cp932.h"
#include "framework/path_parts.h"
#include "lists/column_list.h"
#include "lists/delimited_list.h"
#include "lists/list_decoding.h"
#include "lists/report_list.h"
#include "res/resource.h"

namespace {

std::string Sfv32Message(const std::string& path) {
    return FinalComponent(path) + ":現バージョンではSFV-32などの32BitCRCには対応しておりません。";
}

// A list without a single non-empty line has nothing to verify; saying so
// keeps the report from claiming that no error was found.
std::string EmptyListMessage(const std::string& path) {
    return path + ":リストが空です。";
}

// Neither is a list whose lines hold no entry the reader could take.
std::string NoEntryMessage(const std::string& path) {
    return path + ":リストに照合できる行がありません。";
}

// The bytes of a list, or nothing after a message naming path.
std::optional<std::string> ReadListBytes(const InputEntry& input) {
    const std::string& path = input.path;
    ListFile list = ReadListFile(path, input.realPath);
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

// A file that is only checksummed: one row and a placeholder, or one message.
void ChecksumFile(const InputEntry& input) {
    const std::string& path = input.path;
    std::int64_t size = 0;
    std::uint16_t crc = 0;
    try {
        crc = ComputeFileCrc(path, &size, input.realPath);
    } catch (const FileCrcError& error) {
        // A file left half read at a stop has no row; the stop has its line.
        if (error.Failure() != CrcFailure::Stopped) {
            g_messageList.AddTail(error.what());
        }
        return;
    }
    // The size is the count of bytes the CRC covers, so that the row
    // describes one state of the file even while another program writes it.
    AppendRow(FinalComponent(path), crc, size);
    if (!input.realPath.empty()) {
        g_messageList.AddTail(UnwritableNameMessage(path));
    }
    g_messageList.AddTail(kPlaceholderMessage);
}

void CheckTextList(const InputEntry& input) {
    const std::string& path = input.path;
    const std::optional<std::string> bytes = ReadListBytes(input);
    if (!bytes) {
        return;
    }
    ListLines list = ReadListLines(*bytes, ListForm::Report, path, input.realPath);
    CStringList& lines = list.lines;
    if (lines.IsEmpty()) {
        g_messageList.AddTail(EmptyListMessage(path));
        return;
    }
    if (IsSfv32List(lines)) {
        g_messageList.AddTail(Sfv32Message(path));
        ChecksumFile(input);
        return;
    }
    const PathParts parts = SplitPath(path);
    VerifyReportList(lines, parts.drive, parts.dir, list.real);
}

void CheckCrcList(const InputEntry& input) {
    const std::string& path = input.path;
    const std::optional<std::string> bytes = ReadListBytes(input);
    if (!bytes) {
        return;
    }
    if (BeginsAsColumnList(*bytes)) {
        VerifyColumnList(path, input.realPath);
        return;
    }
    ListLines list = ReadListLines(*bytes, ListForm::Delimited, path, input.realPath);
    if (list.lines.IsEmpty()) {
        g_messageList.AddTail(EmptyListMessage(path));
        return;
    }
    const PathParts parts = SplitPath(path);
    VerifyDelimitedList(list.lines, parts.drive, parts.dir, list.real);
}

// A list that leaves neither a row nor a message was read to its end
// without an entry (a report without its rule line, a line of other text):
// the user must hear of it, or the report would say that no error was found.
template <class Check>
void CheckList(const InputEntry& input, Check check) {
    const std::string& path = input.path;
    const std::size_t rows = g_nameList.GetCount();
    const std::size_t messages = g_messageList.GetCount();
    check(input);
    if (g_nameList.GetCount() == rows && g_messageList.GetCount() == messages &&
        !JobStoppedEarly()) {
        g_messageList.AddTail(NoEntryMessage(path));
    }
}

// A row interrupted between its name and its values is completed as "not
// computed", so that the report's rows stay aligned.
void CompleteLastRow() {
    while (g_sizeList.GetCount() < g_nameList.GetCount()) {
        g_sizeList.AddTail(0);
    }
    while (g_crcList.GetCount() < g_nameList.GetCount()) {
        g_crcList.AddTail(kCrcInitial);
    }
}

}  // namespace

void CheckInput(const InputEntry& entry) {
    const std::string& path = entry.path;
    // The checkpoint comes first: a stop confirmed while the job was held
    // there already skips this input.
    JobInputCheckpoint(path);
    if (StopTakesEffect()) {
        return;
    }
    if (entry.inFolder) {
        ChecksumFile(entry);
        return;
    }
    const std::string extension = SplitPath(path).ext;
    if (EqualsIgnoreAsciiCase(extension, ".txt")) {
        CheckList(entry, CheckTextList);
    } else if (EqualsIgnoreAsciiCase(extension, ".crc")) {
        CheckList(entry, CheckCrcList);
    } else {
        ChecksumFile(entry);
    }
}

unsigned RunJob(std::unique_ptr<CInputList> inputs) {
    BeginJobFlags();
    if (!inputs || inputs->empty()) {
        g_messageList.AddTail(kNoInputMessage);
    } else {
        for (const InputEntry& entry : *inputs) {
            // Nothing one input meets may end the job or its thread, nor
            // pass unreported: a list too large for the memory left, or any
            // failure no step foresaw, leaves a message naming the input.
            try {
                CheckInput(entry);
            } catch (const std::bad_alloc&) {
                g_messageList.AddTail(NoMemoryMessage(entry.path));
                CompleteLastRow();
            } catch (...) {
                g_messageList.AddTail(UnexpectedErrorMessage(entry.path));
                CompleteLastRow();
            }
        }
    }
    if (JobStoppedEarly()) {
        g_messageList.AddTail(kStoppedMessage);
    }
    g_jobRunning.store(0, std::memory_order_release);
    inputs.reset();
    return 0;
}
