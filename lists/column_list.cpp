#include "lists/column_list.h"

#include "engine/job_messages.h"
#include "engine/job_state.h"
#include "lists/list_check.h"
#include "lists/list_decoding.h"
#include "lists/list_file.h"

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

}  // namespace

void VerifyColumnList(const CFileName& listPath) {
    ListLines read;
    {
        const ListFile list = ReadListFile(listPath);
        if (list.status != ListRead::Read) {
            g_messageList.AddTail(LoadMessage(list.status, listPath.Text()));
            return;
        }
        read = ReadListLines(list.bytes, ListForm::Column, listPath);
    }
    VerifyListLines(read, ListForm::Column, listPath);
}
