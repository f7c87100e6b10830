#include "app/exit_status.h"

#include <algorithm>

#include "engine/job_messages.h"

int ReportExitStatus(const CStringList& messages) {
    const bool anyMessage =
        std::any_of(messages.begin(), messages.end(), [](const std::string& message) {
            return message != kPlaceholderMessage && message != kNoErrorsMessage;
        });
    return anyMessage ? kExitMessages : kExitClean;
}
