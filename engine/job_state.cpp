#include "engine/job_state.h"

CStringList g_messageList;
CStringList g_nameList;
CCrcList g_crcList;
CSizeList g_sizeList;
CStringList g_failedList;

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

void BeginJobFlags() {
    g_jobRunning.store(1);
    g_stopRequested.store(0);
    g_stoppedEarly.store(false);
}

void ClearJobLists() {
    g_messageList.RemoveAll();
    g_nameList.RemoveAll();
    g_crcList.RemoveAll();
    g_sizeList.RemoveAll();
    g_failedList.RemoveAll();
}

void AppendRow(const std::string& name, std::uint16_t crc, std::int64_t size) {
    g_nameList.AddTail(name);
    g_crcList.AddTail(crc);
    g_sizeList.AddTail(size);
}
