#include "app/progress_text.h"

#include "framework/cp932.h"
#include "ui/result/report_layout.h"

namespace {

constexpr char kEllipsis[] = "...";

// The end of text in at most width bytes, starting on a character boundary.
std::string KeepEnd(const std::string& text, std::size_t width) {
    if (text.size() <= width) {
        return text;
    }
    std::size_t start = 0;
    while (start < text.size() && text.size() - start > width) {
        const bool pair =
            IsLeadByte(static_cast<unsigned char>(text[start])) && start + 1 < text.size();
        start += pair ? 2 : 1;
    }
    return text.substr(start);
}

}  // namespace

std::string ProgressLine(std::size_t inputNumber, std::size_t inputCount, const std::string& name,
                         std::int64_t bytesRead, std::size_t columns) {
    std::string head = "[";
    head += std::to_string(inputNumber) + "/" + std::to_string(inputCount) + "] ";
    std::string tail = "  ";
    tail += GroupThousands(bytesRead) + " バイト";
    const std::size_t fixed = head.size() + tail.size();
    if (fixed + name.size() <= columns) {
        return head + name + tail;
    }
    const std::size_t ellipsis = sizeof kEllipsis - 1;
    if (fixed + ellipsis < columns) {
        return head + kEllipsis + KeepEnd(name, columns - fixed - ellipsis) + tail;
    }
    return KeepEnd(head + tail, columns);
}
