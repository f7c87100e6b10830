#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/job_control.h"
#include "engine/job_progress.h"

class CConsoleStream;

// A one-line progress display on an interactive console for a check that
// takes a while: it appears only after the first half second, is redrawn a
// few times a second at most, and is erased by Finish, so that nothing of it
// remains before the report.
class CConsoleProgress : public JobObserver {
public:
    // Shows what progress says at each checkpoint the job passes.
    CConsoleProgress(const CConsoleStream& stream, const CJobProgress& progress);

    void OnInputStarted(const std::string&) override { Redraw(); }
    void OnBytesRead(std::int64_t) override { Redraw(); }
    void Finish();

private:
    void Redraw();

    const CConsoleStream& m_stream;
    const CJobProgress& m_progress;
    std::uint64_t m_startTick;
    std::uint64_t m_lastDrawTick = 0;
    std::size_t m_shownWidth = 0;
};
