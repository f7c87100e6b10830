#include "engine/job_messages.h"

void AddNoErrorsMessageIfNone(CJobReport& report) {
    if (report.MessageCount() == 0) {
        report.AddMessage(kNoErrorsMessage);
    }
}

std::string UnwritableNameMessage(const std::string& name) {
    return name + ":名前にレポートで書けない文字があります（保存したレポートからは照合できません）";
}

std::string ReadErrorMessage(const std::string& name) {
    return name + ":読み込みエラー";
}

std::string NoMemoryMessage(const std::string& name) {
    return name + ":メモリが足りません";
}

std::string UnexpectedErrorMessage(const std::string& name) {
    return name + ":予期しないエラーのため確認できませんでした";
}

std::string LinkNotEnteredMessage(const std::string& folder) {
    return folder + ":リンクかジャンクションなので、中のファイルは確認していません";
}

std::string UnreadableFolderMessage(const std::string& folder) {
    return folder + ":フォルダが読めないため、中のファイルは確認していません";
}
