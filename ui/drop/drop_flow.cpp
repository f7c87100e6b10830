#include "ui/drop/drop_flow.h"

#include "res/resource.h"

namespace {

constexpr int kFrameCount = 4;

DropCommand Caption(std::string_view text) {
    return {DropAction::SetCaption, 0, text};
}

DropCommand Icon(int id) {
    return {DropAction::ShowIcon, id};
}

}  // namespace

DropCommands CDropFlow::Drop() {
    if (m_state != State::Idle) {
        return {};
    }
    m_state = State::Starting;
    return {{DropAction::RefuseDrops}, {DropAction::StartJob}};
}

DropCommands CDropFlow::JobStarted(bool started) {
    if (m_state != State::Starting) {
        return {};
    }
    if (!started) {
        m_state = State::Idle;
        return {{DropAction::TellCannotStart}, {DropAction::AcceptDrops}};
    }
    m_state = State::Running;
    // The idle icon stays for the first period; from phase 1 the frames then
    // follow as 145, 146, 143, 144, ...
    m_frame = 1;
    return {{DropAction::ShowBusyCursor}, Caption(kRunningCaption), {DropAction::StartTimer}};
}

// A worker that has not yet begun the job is running all the same: only
// its return ends the job.
DropCommands CDropFlow::Tick(JobStatus job) {
    if (m_state != State::Running) {
        return {};
    }
    return job == JobStatus::Ended ? Finish() : NextFrame();
}

DropCommands CDropFlow::NextFrame() {
    m_frame = (m_frame + 1) % kFrameCount;
    return {Icon(IDI_FRAME0 + m_frame), {DropAction::ShowProgress}};
}

// The job belongs to the window until its results have been shown, so that
// no drop starts another meanwhile.
DropCommands CDropFlow::Finish() {
    m_state = State::ShowingResults;
    return {Icon(IDI_IDLE),
            {DropAction::HideProgress},
            {DropAction::StopTimer},
            {DropAction::RemoveBusyCursor},
            Caption(kShowingResultsCaption),
            {DropAction::ShowResults}};
}

// While the question is open the job is held and the animation halts on its
// frame; it goes on from there after the answer.
DropCommands CDropFlow::DoubleClick(JobStatus job) {
    if (m_state != State::Running || job != JobStatus::Working) {
        return {};
    }
    m_state = State::Asking;
    return {{DropAction::StopTimer},
            {DropAction::RemoveBusyCursor},
            {DropAction::HoldJob},
            {DropAction::AskStop}};
}

// Closed while the question was open, the window has already stopped the
// job, which released it.
DropCommands CDropFlow::Answered(bool stop) {
    if (m_state != State::Asking) {
        return {};
    }
    m_state = State::Running;
    return {{DropAction::ShowBusyCursor},
            {stop ? DropAction::StopJob : DropAction::ReleaseJob},
            {DropAction::StartTimer}};
}

DropCommands CDropFlow::ResultsClosed() {
    if (m_state == State::Closing) {
        m_state = State::Idle;
        return {{DropAction::CollectJob}};
    }
    if (m_state != State::ShowingResults) {
        return {};
    }
    m_state = State::Idle;
    return {{DropAction::CollectJob}, Caption(kIdleCaption), {DropAction::AcceptDrops}};
}

// The job's report goes with the window, so the job must have stopped before
// the window is gone; and a program whose window is gone must end, or it
// would live on unseen, holding its files, until ended by hand. A job stops
// at its next checkpoint, at the latest within one chunk of a file read, far
// sooner than the wait on any disk that still answers; one that has not
// stopped by then is stuck in a read that may never return (a network share
// gone away, a failing disk), and the process ends without it, still within
// a second of the close.
DropCommands CDropFlow::Close(std::uint64_t now) {
    if (m_state == State::Idle || m_state == State::Closing) {
        return {};
    }
    m_state = State::Closing;
    m_deadline = now + kStopWait;
    return {{DropAction::HideProgress},
            {DropAction::StopTimer},
            {DropAction::RemoveBusyCursor},
            {DropAction::StopJob}};
}

// The job clears the stop request when it begins, so a worker that had not
// reached that point yet is told again at every pause.
DropCommands CDropFlow::WaitForStop(std::uint64_t now, bool jobFinished) {
    if (m_state != State::Closing) {
        return {};
    }
    if (jobFinished) {
        m_state = State::Idle;
        return {{DropAction::CollectJob}};
    }
    if (now > m_deadline) {
        return {{DropAction::EndProcess}};
    }
    return {{DropAction::StopJob}};
}
