#pragma once

#include "framework/containers.h"

// Exit statuses of the console checker, for scripts.
inline constexpr int kExitClean = 0;     // the report holds no message line
inline constexpr int kExitMessages = 1;  // the report holds at least one message line
inline constexpr int kExitUsage = 2;     // no path, or an unknown option

// The status of a finished check from its message lines: placeholders and
// the no-errors line are no messages.
int ReportExitStatus(const CStringList& messages);
