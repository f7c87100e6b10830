#include "engine/job_state.h"

std::atomic<int> g_jobRunning{0};
std::atomic<int> g_stopRequested{0};

namespace {
std::atomic<bool> g_stoppedEarly{false};
}

bool StopTakesEffect() {
    if (g_stopRequested.load() == 0) {
        return false;
    }
    g_stoppedEarly.store(true);
    return true;
}

bool JobStoppedEarly() {
    return g_stoppedEarly.load();
}

void RequestJobStop() {
    g_stopRequested.store(1);
}

void BeginJobFlags() {
    g_jobRunning.store(1);
    g_stopRequested.store(0);
    g_stoppedEarly.store(false);
}

void EndJobFlags() {
    g_jobRunning.store(0, std::memory_order_release);
}
