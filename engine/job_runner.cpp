#include "engine/job_runner.h"

#include <new>

#include "engine/crc16.h"
#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "framework/cp932.h"
#include "framework/path_parts.h"

namespace {

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

void ChecksumFile(const InputEntry& input) {
    const std::string& path = input.path.Text();
    std::int64_t size = 0;
    std::uint16_t crc = 0;
    try {
        crc = ComputeFileCrc(input.path, &size);
    } catch (const FileCrcError& error) {
        // A file left half read at a stop has no row; the stop has its line.
        if (error.Failure() != CrcFailure::Stopped) {
            g_messageList.AddTail(error.what());
        }
        return;
    }
    // The size is the count of bytes the CRC covers, so that the row
    // describes one state of the file even while another program writes it.
    AppendRow(input.RowName(), crc, size);
    if (!input.path.IsTextExact()) {
        g_messageList.AddTail(UnwritableNameMessage(path));
    }
    g_messageList.AddTail(kPlaceholderMessage);
}

void CheckInput(const InputEntry& entry, const ListChecks& lists) {
    const std::string& path = entry.path.Text();
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
        lists.textList(entry);
    } else if (EqualsIgnoreAsciiCase(extension, ".crc")) {
        lists.crcList(entry);
    } else {
        ChecksumFile(entry);
    }
}

unsigned RunJob(std::unique_ptr<CInputList> inputs, const ListChecks& lists) {
    BeginJobFlags();
    if (!inputs || inputs->empty()) {
        g_messageList.AddTail(kNoInputMessage);
    } else {
        for (const InputEntry& entry : *inputs) {
            // Nothing one input meets may end the job or its thread, nor
            // pass unreported: a list too large for the memory left, or any
            // failure no step foresaw, leaves a message naming the input.
            try {
                CheckInput(entry, lists);
            } catch (const std::bad_alloc&) {
                g_messageList.AddTail(NoMemoryMessage(entry.path.Text()));
                CompleteLastRow();
            } catch (...) {
                g_messageList.AddTail(UnexpectedErrorMessage(entry.path.Text()));
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
