#include "engine/job_control.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "engine/job_progress.h"

namespace {

TEST(JobControlTest, AHeldJobWaitsAtItsNextCheckpointUntilReleased) {
    HoldJob();
    std::atomic<bool> passed{false};
    std::thread worker([&] {
        JobCheckpoint();
        passed = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(passed.load());
    ReleaseJob();
    worker.join();
    EXPECT_TRUE(passed.load());
}

TEST(JobControlTest, CheckpointsTellTheObserverWhereTheJobIs) {
    struct Recorder : JobObserver {
        std::vector<std::string> inputs;
        std::vector<std::int64_t> bytes;
        void OnInputStarted(const std::string& path) override { inputs.push_back(path); }
        void OnBytesRead(std::int64_t count) override { bytes.push_back(count); }
    } recorder;
    SetJobObserver(&recorder);
    JobInputCheckpoint("a.bin");
    JobBytesCheckpoint(1048576);
    SetJobObserver(nullptr);
    JobInputCheckpoint("b.bin");
    EXPECT_EQ(recorder.inputs, std::vector<std::string>{"a.bin"});
    EXPECT_EQ(recorder.bytes, std::vector<std::int64_t>{1048576});
}

TEST(JobControlTest, CheckpointsPublishFilesAndBytesDoneOfThoseKnown) {
    g_jobProgress.Begin(2, 10);
    JobInputCheckpoint("C:\\a.bin");
    JobBytesCheckpoint(4);
    JobListedFileCheckpoint("C:\\b.bin", 6);
    JobBytesCheckpoint(2);
    const JobProgress progress = g_jobProgress.Snapshot();
    EXPECT_EQ(progress.path, "C:\\b.bin");
    EXPECT_EQ(progress.filesDone, 1u);
    EXPECT_EQ(progress.filesKnown, 3u);
    EXPECT_EQ(progress.bytesDone, 6);
    EXPECT_EQ(progress.bytesKnown, 16);
}

}  // namespace
