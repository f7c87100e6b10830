#include "ui/result/report_summary.h"

#include <cstdio>

namespace {

std::string TwoDigits(long long value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02lld", value % 100);
    return text;
}

}  // namespace

std::string DurationText(std::chrono::milliseconds took) {
    const long long milliseconds = took.count() < 0 ? 0 : took.count();
    const long long tenths = (milliseconds + 50) / 100;
    if (tenths < 600) {
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " 秒";
    }
    const long long seconds = (milliseconds + 500) / 1000;
    const std::string minutesAndSeconds =
        TwoDigits(seconds / 60 % 60) + " 分 " + TwoDigits(seconds % 60) + " 秒";
    if (seconds < 3600) {
        return std::to_string(seconds / 60) + " 分 " + TwoDigits(seconds % 60) + " 秒";
    }
    return std::to_string(seconds / 3600) + " 時間 " + minutesAndSeconds;
}

std::string ReportSummaryText(const ReportTotals& totals,
                              std::optional<std::chrono::milliseconds> took) {
    std::string text = "エラー " + GroupThousands(static_cast<std::int64_t>(totals.errorLines)) +
                       " 件  ファイル " + GroupThousands(static_cast<std::int64_t>(totals.files)) +
                       " 個  " + GroupThousands(totals.bytes) + " バイト";
    if (took) {
        text += "  所要時間 " + DurationText(*took);
    }
    return text;
}
