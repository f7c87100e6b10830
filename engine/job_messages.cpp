#include "engine/job_messages.h"

#include "engine/job_state.h"

void AddNoErrorsMessageIfNone() {
    if (g_messageList.IsEmpty()) {
        g_messageList.AddTail(kNoErrorsMessage);
    }
}

std::string UnwritableNameMessage(const std::string& subject) {
    return subject + ":名前にレポートで書けない文字があります（保存したレポートからは照合できません）";
}

std::string ReadErrorMessage(const std::string& subject) {
    return subject + ":読み込みエラー";
}

std::string NoMemoryMessage(const std::string& subject) {
    return subject + ":メモリが足りません";
}

std::string UnexpectedErrorMessage(const std::string& subject) {
    return subject + ":予期しないエラーのため確認できませんでした";
}
