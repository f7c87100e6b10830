#include "engine/job_progress.h"

CJobProgress g_jobProgress;

void CJobProgress::Begin(std::size_t filesKnown, std::int64_t bytesKnown) {
    std::lock_guard lock(m_mutex);
    m_progress = JobProgress{};
    m_progress.filesKnown = filesKnown;
    m_progress.bytesKnown = bytesKnown;
    m_progress.started = std::chrono::steady_clock::now();
    m_bytesOfDoneFiles = 0;
    m_fileOpen = false;
}

void CJobProgress::AddKnownFile(std::int64_t size) {
    std::lock_guard lock(m_mutex);
    ++m_progress.filesKnown;
    m_progress.bytesKnown += size;
}

void CJobProgress::FileStarted(const std::string& path) {
    std::lock_guard lock(m_mutex);
    if (m_fileOpen) {
        ++m_progress.filesDone;
    }
    m_fileOpen = true;
    m_bytesOfDoneFiles = m_progress.bytesDone;
    m_progress.path = path;
}

void CJobProgress::BytesRead(std::int64_t bytesOfFile) {
    std::lock_guard lock(m_mutex);
    m_progress.bytesDone = m_bytesOfDoneFiles + bytesOfFile;
}

JobProgress CJobProgress::Snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_progress;
}
