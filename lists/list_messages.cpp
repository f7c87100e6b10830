#include "lists/list_messages.h"

#include "framework/path_parts.h"

std::string Sfv32Message(const std::string& list) {
    return FinalComponent(list) + ":現バージョンではSFV-32などの32BitCRCには対応しておりません。";
}

std::string EmptyListMessage(const std::string& list) {
    return list + ":リストが空です。";
}

std::string NoEntryMessage(const std::string& list) {
    return list + ":リストに照合できる行がありません。";
}

std::string RecordedErrorsMessage(const std::string& list, std::size_t errors) {
    return list + ":このレポートは作成時に" + std::to_string(errors) +
           "件のエラーを記録しています。";
}

std::string TextAfterEndMarkMessage(const std::string& list) {
    return list + ":終わりの印（Ctrl-Z）の後ろの行は照合していません。";
}

std::string TwoReadingsMessage(const std::string& name, const std::string& otherName) {
    return name + ":" + otherName + "とも読め、両方のファイルがあるため照合していません。";
}
