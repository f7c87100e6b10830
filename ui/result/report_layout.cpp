#include "ui/result/report_layout.h"

#include <algorithm>

#include "engine/crc16.h"
#include "engine/job_messages.h"
#include "framework/text_mode.h"

namespace {

constexpr std::size_t kMinNameWidth = 4;  // "Name"
constexpr std::size_t kMinSizeWidth = 5;  // "Bytes"

std::size_t NameWidth(const CStringList& names) {
    std::size_t width = kMinNameWidth;
    for (const std::string& name : names) {
        if (name.size() <= kNameColumnCap) {
            width = std::max(width, name.size());
        }
    }
    return width;
}

std::size_t SizeWidth(const CSizeList& sizes) {
    std::int64_t largest = 0;
    for (std::int64_t size : sizes) {
        largest = std::max(largest, size);
    }
    return std::max(GroupThousands(largest).size(), kMinSizeWidth);
}

std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}  // namespace

std::string ReportText(std::span<const std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return TextModeBytes(text);
}

ReportTotals BuildReportLines(CStringList& messages, CStringList& names, CCrcList& crcs,
                              CSizeList& sizes, const ReportLineSink& sink) {
    ReportTotals totals;
    while (!messages.IsEmpty()) {
        std::string message = messages.RemoveHead();
        if (message != kPlaceholderMessage) {
            sink(message);
            ++totals.messageLines;
            totals.errorLines += message != kNoErrorsMessage ? 1 : 0;
        }
    }
    if (names.IsEmpty()) {
        return totals;
    }
    const std::size_t nameWidth = NameWidth(names);
    const std::size_t sizeWidth = SizeWidth(sizes);
    sink(HeaderLine(nameWidth));
    sink(std::string(nameWidth, '-') + "  ----  " + std::string(sizeWidth, '-'));

    ReportTotal total;
    while (!names.IsEmpty()) {
        const std::string name = names.RemoveHead();
        // The job keeps the row lists parallel; a missing value is shown as
        // "not computed" rather than taken from an empty list.
        const std::uint16_t crc = crcs.IsEmpty() ? kCrcInitial : crcs.RemoveHead();
        const std::int64_t size = sizes.IsEmpty() ? 0 : sizes.RemoveHead();
        total.Add(size);
        sink(PadRight(name, nameWidth) + "  " + FormatCrcHex(crc) + "  " +
             PadLeft(GroupThousands(size), sizeWidth));
    }
    sink(std::string(nameWidth + 8 + sizeWidth, '-'));
    sink(total.Line());
    totals.files = total.files;
    totals.bytes = total.bytes;
    return totals;
}
