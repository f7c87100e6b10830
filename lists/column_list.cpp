#include "lists/column_list.h"

#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_state.h"
#include "engine/list_file.h"
#include "engine/list_text.h"
#include "framework/path_parts.h"
#include "lists/column_list_parser.h"
#include "lists/entry_check.h"
#include "lists/list_decoding.h"
#include "lists/path_rules.h"

namespace {

// The message for a list that could not be read.
std::string LoadMessage(ListRead status, const std::string& path) {
    switch (status) {
        case ListRead::CannotOpen:
            return "リストが開けません:" + path;
        case ListRead::TooLarge:
            return path + ":リストのサイズが大きすぎます。";
        case ListRead::ReadFailed:
        case ListRead::Read:
            break;
    }
    return ReadErrorMessage(path);
}

void VerifyLines(CStringList& lines, const PathParts& listParts, const RealListText& real) {
    ColumnListParser parser;
    for (std::size_t index = 0; !lines.IsEmpty(); ++index) {
        const std::string line = lines.RemoveHead();
        JobCheckpoint();
        if (parser.ReadingEntries() && StopTakesEffect()) {
            return;
        }
        const LineReading reading = parser.Read(line);
        if (reading.step == LineStep::End) {
            return;
        }
        if (reading.step == LineStep::Entry) {
            const ListEntry& entry = reading.entry;
            const std::string path = PlainJoinPath(listParts.drive, listParts.dir, entry.name);
            CheckListEntry(entry, path, CheckOrder::SizeFirst, path,
                           RealListedPath(real, index, entry.name, listParts.drive, listParts.dir,
                                          ListForm::Column));
        }
    }
}

}  // namespace

void VerifyColumnList(const std::string& listPath, const std::wstring& realPath) {
    ListLines read;
    {
        const ListFile list = ReadListFile(listPath, realPath);
        if (list.status != ListRead::Read) {
            g_messageList.AddTail(LoadMessage(list.status, listPath));
            return;
        }
        read = ReadListLines(list.bytes, ListForm::Column, listPath, realPath);
    }
    VerifyLines(read.lines, SplitPath(listPath), read.real);
}
