#include "engine/job_runner.h"

#include <new>

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_progress.h"
#include "framework/cp932.h"
#include "framework/path_parts.h"

void ChecksumFile(const InputEntry& input, const CFileName& path, CJobReport& report) {
    std::int64_t size = 0;
    std::uint16_t crc = 0;
    try {
        crc = ComputeFileCrc(path, &size);
    } catch (const FileCrcError& error) {
        // A file left half read at a stop has no row; the stop has its line.
        if (error.Failure() != CrcFailure::Stopped) {
            report.AddMessage(error.what());
        }
        return;
    }
    // The size is the count of bytes the CRC covers, so that the row
    // describes one state of the file even while another program writes it.
    report.AddRow(input.RowName(path), crc, size);
    if (!path.IsTextExact()) {
        report.AddMessage(UnwritableNameMessage(path.Text()));
    }
    report.AddMessage(kPlaceholderMessage);
}

namespace {

enum class InputKind { File, TextList, CrcList };

// A file found in a folder is known by its flag alone, without its path.
InputKind KindOf(const InputEntry& entry) {
    if (entry.inFolder) {
        return InputKind::File;
    }
    const std::string extension = SplitPath(entry.Path().Text()).ext;
    if (EqualsIgnoreAsciiCase(extension, ".txt")) {
        return InputKind::TextList;
    }
    return EqualsIgnoreAsciiCase(extension, ".crc") ? InputKind::CrcList : InputKind::File;
}

// A list's own file is not counted: the files it lists become known as
// its lines are read.
void BeginProgress(const CInputList* inputs) {
    std::size_t files = 0;
    std::int64_t bytes = 0;
    for (std::size_t i = 0; inputs != nullptr && i < inputs->size(); ++i) {
        const InputEntry& entry = (*inputs)[i];
        if (KindOf(entry) == InputKind::File) {
            ++files;
            bytes += entry.knownSize;
        }
    }
    g_jobProgress.Begin(files, bytes);
}

}  // namespace

void CheckInput(const InputEntry& entry, const CFileName& path, const ListChecks& lists,
                CJobReport& report) {
    const InputKind kind = KindOf(entry);
    // The checkpoint comes first: a stop confirmed while the job was held
    // there already skips this input.
    if (kind == InputKind::File) {
        JobInputCheckpoint(path.Text());
    } else {
        JobCheckpoint();
    }
    if (StopTakesEffect()) {
        return;
    }
    switch (kind) {
        case InputKind::File:
            ChecksumFile(entry, path, report);
            break;
        case InputKind::TextList:
            lists.textList(entry, report);
            break;
        case InputKind::CrcList:
            lists.crcList(entry, report);
            break;
    }
}

void RunJob(std::unique_ptr<CInputList> inputs, const ListChecks& lists, CJobReport& report) {
    BeginProgress(inputs.get());
    BeginJobFlags();
    if (!inputs || inputs->empty()) {
        report.AddMessage(kNoInputMessage);
    } else {
        // Each input's path in turn, built in one buffer: a file found in a
        // folder holds its name alone.
        CFileName path;
        for (const InputEntry& entry : *inputs) {
            // Nothing one input meets may end the job or its thread, nor
            // pass unreported: a list too large for the memory left, or any
            // failure no step foresaw, leaves a message naming the input.
            try {
                entry.PathInto(path);
                CheckInput(entry, path, lists, report);
            } catch (const std::bad_alloc&) {
                report.AddMessage(NoMemoryMessage(entry.Path().Text()));
            } catch (...) {
                report.AddMessage(UnexpectedErrorMessage(entry.Path().Text()));
            }
        }
    }
    if (JobStoppedEarly()) {
        report.AddMessage(kStoppedMessage);
    }
    EndJobFlags();
    inputs.reset();
}
