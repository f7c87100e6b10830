#include "app/console_progress.h"

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "app/console_stream.h"
#include "app/progress_text.h"

namespace {

constexpr std::uint64_t kFirstDrawAfterMs = 500;
constexpr std::uint64_t kRedrawEveryMs = 200;

}  // namespace

CConsoleProgress::CConsoleProgress(const CConsoleStream& stream, const CJobProgress& progress)
    : m_stream(stream), m_progress(progress), m_startTick(GetTickCount64()) {}

void CConsoleProgress::Redraw() {
    const std::uint64_t now = GetTickCount64();
    if (now - m_startTick < kFirstDrawAfterMs || now - m_lastDrawTick < kRedrawEveryMs) {
        return;
    }
    m_lastDrawTick = now;
    // One column less than the console, so that the line never wraps.
    const std::size_t columns = m_stream.Columns();
    const std::string line =
        ProgressLine(FigureProgress(m_progress.Snapshot(), std::chrono::steady_clock::now()),
                     columns > 1 ? columns - 1 : 1);
    std::string text = "\r";
    text += line;
    if (line.size() < m_shownWidth) {
        text.append(m_shownWidth - line.size(), ' ');
    }
    m_stream.Write(text);
    m_shownWidth = std::max(m_shownWidth, line.size());
}

void CConsoleProgress::Finish() {
    if (m_shownWidth > 0) {
        std::string blank = "\r";
        blank.append(m_shownWidth, ' ');
        m_stream.Write(blank + "\r");
        m_shownWidth = 0;
    }
}
