// The drop window's flow, event by event: what the window is told to do.

#include "ui/drop/drop_flow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "res/resource.h"

namespace {

using A = DropAction;
using J = JobStatus;

// "計算中...", "完了"
constexpr char kRunning[] = "\x8c\x76\x8e\x5a\x92\x86...";
constexpr char kDone[] = "\x8a\xae\x97\xb9";

enum class Event { Drop, Started, CannotStart, Tick, DoubleClick, Yes, No, Closed, Close, Wait };

// job: what the window sees at a tick or a double-click; at a wait, Ended
// is a worker that has returned. now: the clock at a close or a wait.
struct Step {
    Event event;
    DropCommands expected;
    J job = J::Working;
    std::uint64_t now = 0;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

DropCommands Send(CDropFlow& flow, const Step& step) {
    switch (step.event) {
        case Event::Drop:
            return flow.Drop();
        case Event::Started:
            return flow.JobStarted(true);
        case Event::CannotStart:
            return flow.JobStarted(false);
        case Event::Tick:
            return flow.Tick(step.job);
        case Event::DoubleClick:
            return flow.DoubleClick(step.job);
        case Event::Yes:
            return flow.Answered(true);
        case Event::No:
            return flow.Answered(false);
        case Event::Closed:
            return flow.ResultsClosed();
        case Event::Close:
            return flow.Close(step.now);
        case Event::Wait:
            return flow.WaitForStop(step.now, step.job == J::Ended);
    }
    return {};
}

DropCommand Icon(int id) {
    return {A::ShowIcon, id};
}

// Each frame brings the job's figures up to date.
DropCommands Frame(int id) {
    return {Icon(id), {A::ShowProgress}};
}

const DropCommands kStart{{A::RefuseDrops}, {A::StartJob}};
const DropCommands kRun{{A::ShowBusyCursor}, {A::SetCaption, 0, kRunning}, {A::StartTimer}};
const DropCommands kFinish{Icon(IDI_IDLE),        {A::HideProgress},         {A::StopTimer},
                           {A::RemoveBusyCursor}, {A::SetCaption, 0, kDone}, {A::ShowResults}};
const DropCommands kIdle{{A::CollectJob}, {A::SetCaption, 0, "Varnel"}, {A::AcceptDrops}};
const DropCommands kAsk{{A::StopTimer}, {A::RemoveBusyCursor}, {A::HoldJob}, {A::AskStop}};
const DropCommands kStop{{A::HideProgress}, {A::StopTimer}, {A::RemoveBusyCursor}, {A::StopJob}};
const DropCommands kNone{};

const Scenario kScenarios[] = {
    {"a job animates from frame 145 until its end, its results, and idle",
     {{Event::Drop, kStart},
      {Event::Drop, kNone},
      {Event::Started, kRun},
      {Event::Tick, Frame(IDI_FRAME2), J::NotBegun},
      {Event::DoubleClick, kNone, J::NotBegun},
      {Event::Tick, Frame(IDI_FRAME3)},
      {Event::Tick, Frame(IDI_FRAME0)},
      {Event::Tick, Frame(IDI_FRAME1)},
      {Event::Tick, Frame(IDI_FRAME2)},
      {Event::Tick, kFinish, J::Ended},
      {Event::Tick, kNone, J::Ended},
      {Event::Drop, kNone},
      {Event::DoubleClick, kNone, J::Ended},
      {Event::Closed, kIdle},
      {Event::Tick, kNone, J::Ended},
      {Event::DoubleClick, kNone},
      {Event::Drop, kStart}}},
    {"a job shorter than one tick shows no frame",
     {{Event::Drop, kStart}, {Event::Started, kRun}, {Event::Tick, kFinish, J::Ended}}},
    {"a job that cannot start is told and leaves the window idle",
     {{Event::Drop, kStart},
      {Event::CannotStart, {{A::TellCannotStart}, {A::AcceptDrops}}},
      {Event::Tick, kNone},
      {Event::Drop, kStart}}},
    {"No lets the job go on from the frame where it halted",
     {{Event::Drop, kStart},
      {Event::Started, kRun},
      {Event::Tick, Frame(IDI_FRAME2)},
      {Event::DoubleClick, kAsk},
      {Event::DoubleClick, kNone},
      {Event::Tick, kNone},
      {Event::Drop, kNone},
      {Event::No, {{A::ShowBusyCursor}, {A::ReleaseJob}, {A::StartTimer}}},
      {Event::Tick, Frame(IDI_FRAME3)}}},
    {"Yes stops the job, whose end shows the results",
     {{Event::Drop, kStart},
      {Event::Started, kRun},
      {Event::DoubleClick, kAsk},
      {Event::Yes, {{A::ShowBusyCursor}, {A::StopJob}, {A::StartTimer}}},
      {Event::Tick, kFinish, J::Ended}}},
    {"an idle window closes without waiting",
     {{Event::DoubleClick, kNone}, {Event::Close, kNone}, {Event::Wait, kNone}}},
    {"a closed window's job is told to stop until it does, 750 ms at most",
     {{Event::Drop, kStart},
      {Event::Started, kRun},
      {Event::Close, kStop, J::Working, 1000},
      {Event::Close, kNone, J::Working, 1500},
      {Event::Tick, kNone},
      {Event::Wait, {{A::StopJob}}, J::Working, 1500},
      {Event::Wait, {{A::StopJob}}, J::Working, 1750},
      {Event::Wait, {{A::EndProcess}}, J::Working, 1751}}},
    {"a closed window's job that stops in time is collected",
     {{Event::Drop, kStart},
      {Event::Started, kRun},
      {Event::Close, kStop, J::Working, 5},
      {Event::Wait, {{A::CollectJob}}, J::Ended, 700},
      {Event::Wait, kNone, J::Ended, 2000},
      {Event::Drop, kStart}}},
    {"closed while the question is open, the answer changes nothing",
     {{Event::Drop, kStart},
      {Event::Started, kRun},
      {Event::DoubleClick, kAsk},
      {Event::Close, kStop},
      {Event::No, kNone},
      {Event::Wait, {{A::CollectJob}}, J::Ended}}},
    {"closed while the results are shown, the window is not made idle",
     {{Event::Drop, kStart},
      {Event::Started, kRun},
      {Event::Tick, kFinish, J::Ended},
      {Event::Close, kStop},
      {Event::Closed, {{A::CollectJob}}},
      {Event::Wait, kNone, J::Ended}}},
};

TEST(DropFlowTest, EachEventGivesTheWindowItsCommands) {
    for (const Scenario& scenario : kScenarios) {
        CDropFlow flow;
        for (std::size_t n = 0; n < scenario.steps.size(); ++n) {
            EXPECT_EQ(Send(flow, scenario.steps[n]), scenario.steps[n].expected)
                << scenario.name << ", step " << n + 1;
        }
    }
}

}  // namespace
