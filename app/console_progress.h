#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/job_control.h"

class CConsoleStream;

// A one-line progress display on an interactive console for a check that
// takes a while: it appears only after the first half second, is redrawn a
// few times a second at most, and is erased by Finish, so that nothing of it
// remains before the report.
class CConsoleProgress : public JobObserver {
public:
    CConsoleProgress(const CConsoleStream& stream, std::size_t inputCount);

    void OnInputStarted(const std::string& path) override;
    void OnBytesRead(std::int64_t bytesOfFile) override;
    void Finish();

private:
    void Redraw();

    const CConsoleStream& m_stream;
    std::size_t m_inputCount;
    std::size_t m_inputNumber = 0;
    std::string m_name;
    std::int64_t m_bytesRead = 0;
    std::uint64_t m_startTick;
    std::uint64_t m_lastDrawTick = 0;
    std::size_t m_shownWidth = 0;
};
