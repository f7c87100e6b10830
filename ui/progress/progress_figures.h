#pragma once

#include <chrono>
#include <string>

#include "engine/job_progress.h"

// A running job's progress as the user reads it, each piece a text in code
// page 932 but the share done.
struct ProgressFigures {
    std::string name;      // of the file being read: "sample.dat"
    std::string files;     // the file's number of those known: "3 / 120 ファイル"
    std::string bytes;     // "12,345,678 / 3,221,225,472 バイト"
    int percent = 0;       // of the bytes known, or of the files when no size is known
    std::string rate;      // "45.6 MB/s", once it can be measured; else empty
    std::string timeLeft;  // "残り 1分20秒", once it can be estimated; else empty
};

// The figures of a progress snapshot taken at now. The time left is
// estimated from the rate so far over the bytes known, from the first
// second on.
ProgressFigures FigureProgress(const JobProgress& progress,
                               std::chrono::steady_clock::time_point now);

// The figures of a snapshot in one line, name last:
// "3 / 120 ファイル  12%  45.6 MB/s  残り 1分20秒  sample.dat".
std::string ProgressFiguresText(const JobProgress& progress,
                                std::chrono::steady_clock::time_point now);

// The same pieces in that order without the name, two blanks apart.
std::string JoinFigures(const ProgressFigures& figures);
