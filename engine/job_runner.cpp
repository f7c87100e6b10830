#include "engine/job_runner.h"

#include <new>

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "framework/cp932.h"
#include "framework/path_parts.h"

void ChecksumFile(const InputEntry& input, CJobReport& report) {
    const std::string& path = input.path.Text();
    std::int64_t size = 0;
    std::uint16_t crc = 0;
    try {
        crc = ComputeFileCrc(input.path, &size);
    } catch (const FileCrcError& error) {
        // A file left half read at a stop has no row; the stop has its line.
        if (error.Failure() != CrcFailure::Stopped) {
            report.AddMessage(error.what());
        }
        return;
    }
    // The size is the count of bytes the CRC covers, so that the row
    // describes one state of the file even while another program writes it.
    report.AddRow(input.RowName(), crc, size);
    if (!input.path.IsTextExact()) {
        report.AddMessage(UnwritableNameMessage(path));
    }
    report.AddMessage(kPlaceholderMessage);
}

void CheckInput(const InputEntry& entry, const ListChecks& lists, CJobReport& report) {
    const std::string& path = entry.path.Text();
    // The checkpoint comes first: a stop confirmed while the job was held
    // there already skips this input.
    JobInputCheckpoint(path);
    if (StopTakesEffect()) {
        return;
    }
    if (entry.inFolder) {
        ChecksumFile(entry, report);
        return;
    }
    const std::string extension = SplitPath(path).ext;
    if (EqualsIgnoreAsciiCase(extension, ".txt")) {
        lists.textList(entry, report);
    } else if (EqualsIgnoreAsciiCase(extension, ".crc")) {
        lists.crcList(entry, report);
    } else {
        ChecksumFile(entry, report);
    }
}

void RunJob(std::unique_ptr<CInputList> inputs, const ListChecks& lists, CJobReport& report) {
    BeginJobFlags();
    if (!inputs || inputs->empty()) {
        report.AddMessage(kNoInputMessage);
    } else {
        for (const InputEntry& entry : *inputs) {
            // Nothing one input meets may end the job or its thread, nor
            // pass unreported: a list too large for the memory left, or any
            // failure no step foresaw, leaves a message naming the input.
            try {
                CheckInput(entry, lists, report);
            } catch (const std::bad_alloc&) {
                report.AddMessage(NoMemoryMessage(entry.path.Text()));
            } catch (...) {
                report.AddMessage(UnexpectedErrorMessage(entry.path.Text()));
            }
        }
    }
    if (JobStoppedEarly()) {
        report.AddMessage(kStoppedMessage);
    }
    EndJobFlags();
    inputs.reset();
}
