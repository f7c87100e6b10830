#include "app/progress_text.h"

#include "framework/cp932.h"

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

std::string ProgressLine(const ProgressFigures& figures, std::size_t columns) {
    const std::string head = JoinFigures(figures) + "  ";
    const std::string& name = figures.name;
    if (head.size() + name.size() <= columns) {
        return head + name;
    }
    const std::size_t ellipsis = sizeof kEllipsis - 1;
    if (head.size() + ellipsis < columns) {
        return head + kEllipsis + KeepEnd(name, columns - head.size() - ellipsis);
    }
    return KeepEnd(head, columns);
}
