#pragma once

#include <cstdint>
#include <string>

// Checkpoints of a running job. The job's thread passes one at each input,
// each list line and each chunk of file data it reads. The window thread may
// hold the job while it asks the user a question: the worker then waits at
// its next checkpoint, holding no lock of the heap or the C runtime, and goes
// on when the job is released.
void HoldJob();
void ReleaseJob();
void JobCheckpoint();

// Progress of the running job, for a status display. Calls arrive on the
// job's thread; an observer must return quickly.
class JobObserver {
public:
    virtual ~JobObserver() = default;
    virtual void OnInputStarted(const std::string& path) = 0;
    virtual void OnBytesRead(std::int64_t bytesOfFile) = 0;
};

// Installs the observer (or none with nullptr); set it only while no job runs.
void SetJobObserver(JobObserver* observer);

// Checkpoints that also publish where the job is (g_jobProgress) and tell
// the observer, once the job has passed them.
void JobInputCheckpoint(const std::string& path);
void JobBytesCheckpoint(std::int64_t bytesOfFile);
// A file a list names, which becomes known as its line is read.
void JobListedFileCheckpoint(const std::string& path, std::int64_t listedSize);
