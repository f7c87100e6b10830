#include "lists/column_list.h"

#include <io.h>

#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_state.h"
#include "framework/file_open.h"
#include "framework/path_parts.h"
#include "framework/text_mode.h"
#include "lists/column_list_parser.h"
#include "lists/entry_check.h"
#include "lists/path_rules.h"

namespace {

// Lists are read whole; this bounds the memory a list can take.
constexpr std::int64_t kListSizeLimit = 1'048'576;

enum class ListLoad { Loaded, CannotOpen, TooLarge, ReadFailed };

bool ReadAll(int fd, std::int64_t length, std::string& bytes) {
    bytes.resize(static_cast<std::size_t>(length));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const int got = _read(fd, bytes.data() + done, static_cast<unsigned>(bytes.size() - done));
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;  // the list shrank since its length was taken
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return true;
}

// Reads the list's bytes; text-mode translation is done on them afterwards.
ListLoad LoadList(const std::string& path, std::string& bytes) {
    const int fd = OpenFileForReading(path);
    if (fd < 0) {
        return ListLoad::CannotOpen;
    }
    const std::int64_t length = _filelengthi64(fd);
    ListLoad result = ListLoad::ReadFailed;
    if (length >= kListSizeLimit) {
        result = ListLoad::TooLarge;
    } else if (length >= 0 && ReadAll(fd, length, bytes)) {
        result = ListLoad::Loaded;
    }
    _close(fd);
    return result;
}

// The message for a list that was not loaded, or nothing when it was.
std::string LoadMessage(ListLoad load, const std::string& path) {
    switch (load) {
        case ListLoad::CannotOpen:
            return "リストが開けません:" + path;
        case ListLoad::TooLarge:
            return path + ":リストのサイズが大きすぎます。";
        case ListLoad::ReadFailed:
            return ReadErrorMessage(path);
        case ListLoad::Loaded:
            break;
    }
    return {};
}

void VerifyLines(CStringList& lines, const PathParts& listParts) {
    ColumnListParser parser;
    while (!lines.IsEmpty()) {
        const std::string line = lines.RemoveHead();
        JobCheckpoint();
        if (parser.ReadingEntries() && g_stopRequested.load() == 1) {
            return;
        }
        const LineReading reading = parser.Read(line);
        if (reading.step == LineStep::End) {
            return;
        }
        if (reading.step == LineStep::Entry) {
            const ListEntry& entry = reading.entry;
            const std::string path = PlainJoinPath(listParts.drive, listParts.dir, entry.name);
            CheckListEntry(entry, path, CheckOrder::SizeFirst, path);
        }
    }
}

}  // namespace

void VerifyColumnList(const std::string& listPath) {
    std::string bytes;
    const ListLoad load = LoadList(listPath, bytes);
    if (load != ListLoad::Loaded) {
        g_messageList.AddTail(LoadMessage(load, listPath));
        return;
    }
    CStringList lines = CutColumnListLines(TextModeContent(bytes));
    bytes = std::string();
    VerifyLines(lines, SplitPath(listPath));
}
