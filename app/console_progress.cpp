#include "app/console_progress.h"

#include <windows.h>

#include <algorithm>

#include "app/console_stream.h"
#include "app/progress_text.h"
#include "framework/path_parts.h"

namespace {

constexpr std::uint64_t kFirstDrawAfterMs = 500;
constexpr std::uint64_t kRedrawEveryMs = 200;

}  // namespace

CConsoleProgress::CConsoleProgress(const CConsoleStream& stream, std::size_t inputCount)
    : m_stream(stream), m_inputCount(inputCount), m_startTick(GetTickCount64()) {}

void CConsoleProgress::OnInputStarted(const std::string& path) {
    ++m_inputNumber;
    m_name = FinalComponent(path);
    m_bytesRead = 0;
    Redraw();
}

void CConsoleProgress::OnBytesRead(std::int64_t bytesOfFile) {
    m_bytesRead = bytesOfFile;
    Redraw();
}

void CConsoleProgress::Redraw() {
    const std::uint64_t now = GetTickCount64();
    if (now - m_startTick < kFirstDrawAfterMs || now - m_lastDrawTick < kRedrawEveryMs) {
        return;
    }
    m_lastDrawTick = now;
    // One column less than the console, so that the line never wraps.
    const std::size_t columns = m_stream.Columns();
    const std::string line = ProgressLine(m_inputNumber, m_inputCount, m_name, m_bytesRead,
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
