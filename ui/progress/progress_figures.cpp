#include "ui/progress/progress_figures.h"

#include <algorithm>
#include <cstdio>

#include "framework/path_parts.h"
#include "lists/report_format.h"

namespace {

using Seconds = std::chrono::duration<double>;

// Too early, a rate says more about opening the first file than about the
// job.
constexpr Seconds kFirstEstimate{1.0};

int Percent(std::int64_t done, std::int64_t known) {
    return known <= 0 ? 0 : static_cast<int>(std::min<std::int64_t>(100, done * 100 / known));
}

std::string RateText(double bytesPerSecond) {
    static constexpr struct {
        double scale;
        const char* unit;
    } kUnits[] = {{1e9, "GB/s"}, {1e6, "MB/s"}, {1e3, "KB/s"}};
    char text[32];
    for (const auto& unit : kUnits) {
        if (bytesPerSecond >= unit.scale) {
            std::snprintf(text, sizeof text, "%.1f %s", bytesPerSecond / unit.scale, unit.unit);
            return text;
        }
    }
    std::snprintf(text, sizeof text, "%.0f B/s", bytesPerSecond);
    return text;
}

std::string TimeLeftText(long long seconds) {
    std::string text = "残り ";
    if (seconds >= 3600) {
        return text + std::to_string(seconds / 3600) + "時間" +
               std::to_string(seconds % 3600 / 60) + "分";
    }
    if (seconds >= 60) {
        text += std::to_string(seconds / 60) + "分";
    }
    return text + std::to_string(seconds % 60) + "秒";
}

}  // namespace

ProgressFigures FigureProgress(const JobProgress& progress,
                               std::chrono::steady_clock::time_point now) {
    ProgressFigures figures;
    figures.name = FinalComponent(progress.path);
    const std::size_t number = progress.filesDone + (progress.path.empty() ? 0 : 1);
    figures.files = std::to_string(number) + " / " +
                    std::to_string(std::max(number, progress.filesKnown)) + " ファイル";
    figures.bytes = GroupThousands(progress.bytesDone) + " / " +
                    GroupThousands(progress.bytesKnown) + " バイト";
    figures.percent = progress.bytesKnown > 0
                          ? Percent(progress.bytesDone, progress.bytesKnown)
                          : Percent(static_cast<std::int64_t>(progress.filesDone),
                                    static_cast<std::int64_t>(progress.filesKnown));
    const Seconds elapsed = now - progress.started;
    if (elapsed < kFirstEstimate || progress.bytesDone <= 0) {
        return figures;
    }
    const double rate = static_cast<double>(progress.bytesDone) / elapsed.count();
    figures.rate = RateText(rate);
    if (progress.bytesKnown > progress.bytesDone) {
        figures.timeLeft = TimeLeftText(static_cast<long long>(
            static_cast<double>(progress.bytesKnown - progress.bytesDone) / rate + 0.5));
    }
    return figures;
}

std::string JoinFigures(const ProgressFigures& figures) {
    std::string text = figures.files + "  " + std::to_string(figures.percent) + "%";
    for (const std::string* piece : {&figures.rate, &figures.timeLeft}) {
        if (!piece->empty()) {
            text += "  " + *piece;
        }
    }
    return text;
}

std::string ProgressFiguresText(const JobProgress& progress,
                                std::chrono::steady_clock::time_point now) {
    const ProgressFigures figures = FigureProgress(progress, now);
    return JoinFigures(figures) + "  " + figures.name;
}
