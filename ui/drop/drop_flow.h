#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// What the drop window does with a job, from the drop to the closed result
// window: each event the window sees goes in, and the commands it is to
// carry out, in order, come out. The window only translates both ways, so
// the whole flow is plain logic without windows, threads or clocks.

// Where the job stands, as the window sees it at the moment of an event.
enum class JobStatus {
    NotBegun,  // the worker has not yet begun the job
    Working,   // the job runs and can be asked to stop
    Ended,     // the worker has returned; its report is complete
};

enum class DropAction {
    SetCaption,        // text: the window's caption
    ShowIcon,          // value: the icon resource the icon control shows
    ShowBusyCursor,    // and keep showing it while the pointer moves
    RemoveBusyCursor,  //
    AcceptDrops,       //
    RefuseDrops,       //
    StartTimer,        // the animation timer
    StopTimer,         //
    StartJob,          // over the dropped items; answer with JobStarted
    TellCannotStart,   // a box saying that no job could be started
    HoldJob,           // at its next checkpoint, until released
    AskStop,           // the stop question; answer with Answered
    ReleaseJob,        // let a held job go on
    StopJob,           // ask the job to stop, and let it go on if held
    ShowResults,       // run the result window; answer with ResultsClosed
    CollectJob,        // wait for the worker, which has returned, and let it go
    EndProcess,        // at once: the job did not stop in time
    ShowProgress,      // the job's figures, shown while the pointer rests on the window
    HideProgress,      //
};

struct DropCommand {
    DropAction action;
    int value = 0;
    std::string_view text{};
    bool operator==(const DropCommand&) const = default;
};

using DropCommands = std::vector<DropCommand>;

class CDropFlow {
public:
    // Caption texts, the window's own.
    static constexpr char kIdleCaption[] = "Varnel";
    static constexpr char kRunningCaption[] = "計算中...";
    static constexpr char kShowingResultsCaption[] = "完了";
    // A closed window waits this long for its job to stop, in milliseconds.
    static constexpr std::uint64_t kStopWait = 750;

    // Items were dropped. Only an idle window takes them; otherwise they are
    // to be let go unused (one may arrive while drops are refused).
    DropCommands Drop();
    // Whether the job of the drop could be started on a worker.
    DropCommands JobStarted(bool started);
    // The animation timer fired; the figures follow the frames.
    DropCommands Tick(JobStatus job);
    DropCommands DoubleClick(JobStatus job);
    // The stop question was answered: Yes stops the job.
    DropCommands Answered(bool stop);
    DropCommands ResultsClosed();
    // The user closed the window at now (a millisecond clock); a job that
    // belongs to the window is stopped.
    DropCommands Close(std::uint64_t now);
    // While Closing, the window waits for the job: asked again at each pause
    // of the wait, with whether the worker has returned.
    DropCommands WaitForStop(std::uint64_t now, bool jobFinished);

    bool IsClosing() const { return m_state == State::Closing; }

private:
    enum class State { Idle, Starting, Running, Asking, ShowingResults, Closing };

    DropCommands NextFrame();
    DropCommands Finish();

    State m_state = State::Idle;
    int m_frame = 0;
    std::uint64_t m_deadline = 0;
};
