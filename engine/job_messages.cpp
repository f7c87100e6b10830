#include "engine/job_messages.h"

std::string ReadErrorMessage(const std::string& subject) {
    return subject + ":読み込みエラー";
}
