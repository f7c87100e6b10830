#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

// Where a running job is, as a window or a console shows it. Files and
// bytes known grow while the job reads lists: a listed file is known once
// its line is read.
struct JobProgress {
    std::string path;  // of the file being read
    std::size_t filesDone = 0;
    std::size_t filesKnown = 0;
    std::int64_t bytesDone = 0;
    std::int64_t bytesKnown = 0;
    std::chrono::steady_clock::time_point started;
};

// The progress a job's thread publishes and other threads poll. The lock
// is taken once a file and once a chunk, never while a file is read.
class CJobProgress {
public:
    // A job begins with files of these sizes known.
    void Begin(std::size_t filesKnown, std::int64_t bytesKnown);
    // A file listed in a list becomes known with its listed size.
    void AddKnownFile(std::int64_t size);
    // The job begins reading the file at path; the one before it is done.
    void FileStarted(const std::string& path);
    // So many bytes of the current file have been read.
    void BytesRead(std::int64_t bytesOfFile);

    JobProgress Snapshot() const;

private:
    mutable std::mutex m_mutex;
    JobProgress m_progress;
    std::int64_t m_bytesOfDoneFiles = 0;
    bool m_fileOpen = false;
};

// The progress of the job that runs, or ran last.
extern CJobProgress g_jobProgress;
