#include "engine/job_runner.h"

#include <io.h>

#include <new>

#include "engine/crc16.h"
#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_state.h"
#include "engine/list_text.h"
#include "engine/path_message.h"
#include "framework/cp932.h"
#include "framework/file_open.h"
#include "framework/path_parts.h"
#include "lists/column_list.h"
#include "lists/delimited_list.h"
#include "lists/report_list.h"
#include "res/resource.h"

namespace {

std::string Sfv32Message(const std::string& path) {
    return FinalComponent(path) + ":現バージョンではSFV-32などの32BitCRCには対応しておりません。";
}

// A ".txt" list without a single non-empty line has nothing to verify;
// saying so keeps the report from claiming that no error was found.
std::string EmptyListMessage(const std::string& path) {
    return path + ":リストが空です。";
}

std::string OutOfMemoryMessage(const std::string& path) {
    return path + ":メモリが足りません";
}

// Reads a whole list in binary mode into bytes. On failure appends the
// message naming path and returns false.
bool ReadListBytes(const std::string& path, std::string& bytes) {
    const int fd = OpenFileForReading(path);
    if (fd < 0) {
        g_messageList.AddTail(FormatPathMessage(IDS_CANNOT_OPEN, path));
        return false;
    }
    const std::int64_t length = _filelengthi64(fd);
    if (length >= kListSizeLimit) {
        _close(fd);
        g_messageList.AddTail(FormatPathMessage(IDS_LIST_TOO_LARGE, path));
        return false;
    }
    bytes.assign(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    std::size_t done = 0;
    int count = 0;
    while (done < bytes.size() && (count = _read(fd, bytes.data() + done,
                                                 static_cast<unsigned>(bytes.size() - done))) > 0) {
        done += static_cast<std::size_t>(count);
    }
    _close(fd);
    if (length < 0 || count < 0) {
        g_messageList.AddTail(ReadErrorMessage(path));
        return false;
    }
    bytes.resize(done);  // the file may have shrunk since its length was taken
    return true;
}

// A file that is only checksummed: one row and a placeholder, or one message.
void ChecksumFile(const std::string& path) {
    std::int64_t size = 0;
    std::uint16_t crc = 0;
    try {
        crc = ComputeFileCrc(path, &size);
    } catch (const FileCrcError& error) {
        g_messageList.AddTail(error.what());
        return;
    }
    // The size is the count of bytes the CRC covers, so that the row
    // describes one state of the file even while another program writes it.
    AppendRow(FinalComponent(path), crc, size);
    g_messageList.AddTail(kPlaceholderMessage);
}

void CheckTextList(const std::string& path) {
    std::string bytes;
    if (!ReadListBytes(path, bytes)) {
        return;
    }
    CStringList lines = TextListLines(bytes);
    if (lines.IsEmpty()) {
        g_messageList.AddTail(EmptyListMessage(path));
        return;
    }
    if (IsSfv32List(lines)) {
        g_messageList.AddTail(Sfv32Message(path));
        ChecksumFile(path);
        return;
    }
    const PathParts parts = SplitPath(path);
    VerifyReportList(lines, parts.drive, parts.dir);
}

void CheckCrcList(const std::string& path) {
    std::string bytes;
    if (!ReadListBytes(path, bytes)) {
        return;
    }
    if (IsColumnList(bytes)) {
        VerifyColumnList(path);
        return;
    }
    CStringList lines = CrcListLines(bytes);
    if (lines.IsEmpty()) {
        return;
    }
    const PathParts parts = SplitPath(path);
    VerifyDelimitedList(lines, parts.drive, parts.dir);
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

void CheckInput(const std::string& entry) {
    const std::string path = FolderEntryPath(entry);
    // The checkpoint comes first: a stop confirmed while the job was held
    // there already skips this input.
    JobInputCheckpoint(path);
    if (g_stopRequested.load() != 0) {
        return;
    }
    if (IsFolderEntry(entry)) {
        ChecksumFile(path);
        return;
    }
    const std::string extension = SplitPath(path).ext;
    if (EqualsIgnoreAsciiCase(extension, ".txt")) {
        CheckTextList(path);
    } else if (EqualsIgnoreAsciiCase(extension, ".crc")) {
        CheckCrcList(path);
    } else {
        ChecksumFile(path);
    }
}

unsigned RunJob(std::unique_ptr<CStringArray> inputs) {
    g_jobRunning.store(1);
    g_stopRequested.store(0);
    if (!inputs || inputs->empty()) {
        g_messageList.AddTail(kNoInputMessage);
    } else {
        for (const std::string& entry : *inputs) {
            // Nothing one input meets may end the job or its thread: a list
            // too large for the memory left, or a file failure that a
            // reader let through.
            try {
                CheckInput(entry);
            } catch (const std::bad_alloc&) {
                g_messageList.AddTail(OutOfMemoryMessage(FolderEntryPath(entry)));
                CompleteLastRow();
            } catch (const FileCrcError& error) {
                g_messageList.AddTail(error.what());
                CompleteLastRow();
            }
        }
    }
    g_jobRunning.store(0, std::memory_order_release);
    inputs.reset();
    return 0;
}
