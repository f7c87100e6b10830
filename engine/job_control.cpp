#include "engine/job_control.h"

#include <condition_variable>
#include <mutex>

namespace {
std::mutex g_holdMutex;
std::condition_variable g_holdReleased;
bool g_held = false;
JobObserver* g_observer = nullptr;
}  // namespace

void HoldJob() {
    std::lock_guard lock(g_holdMutex);
    g_held = true;
}

void ReleaseJob() {
    {
        std::lock_guard lock(g_holdMutex);
        g_held = false;
    }
    g_holdReleased.notify_all();
}

void JobCheckpoint() {
    std::unique_lock lock(g_holdMutex);
    g_holdReleased.wait(lock, [] { return !g_held; });
}

void SetJobObserver(JobObserver* observer) {
    g_observer = observer;
}

void JobInputCheckpoint(const std::string& path) {
    JobCheckpoint();
    if (g_observer != nullptr) {
        g_observer->OnInputStarted(path);
    }
}

void JobBytesCheckpoint(std::int64_t bytesOfFile) {
    JobCheckpoint();
    if (g_observer != nullptr) {
        g_observer->OnBytesRead(bytesOfFile);
    }
}
