#include "engine/job_control.h"

#include <condition_variable>
#include <mutex>

#include "engine/job_progress.h"

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
    g_jobProgress.FileStarted(path);
    if (g_observer != nullptr) {
        g_observer->OnInputStarted(path);
    }
}

void JobBytesCheckpoint(std::int64_t bytesOfFile) {
    JobCheckpoint();
    g_jobProgress.BytesRead(bytesOfFile);
    if (g_observer != nullptr) {
        g_observer->OnBytesRead(bytesOfFile);
    }
}

void JobListedFileCheckpoint(const std::string& path, std::int64_t listedSize) {
    g_jobProgress.AddKnownFile(listedSize);
    JobInputCheckpoint(path);
}
