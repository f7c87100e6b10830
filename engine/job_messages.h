#pragma once

#include <string>

#include "engine/job_report.h"

// Message lines of a job, as the report shows them.

// Left in the message list for every file that was only checksummed; never shown.
inline constexpr char kPlaceholderMessage[] = "@";
// Added after a job that left no message line at all.
inline constexpr char kNoErrorsMessage[] = "エラーは見つかりませんでした。";
// The user stopped the job before its end.
inline constexpr char kStoppedMessage[] = "停止したため、残りのファイルは確認していません。";
// The input list had no entry.
inline constexpr char kNoInputMessage[] =
    "CRCを計算するファイルがありません。未対応のCRC形式である可能性があります。";

// After a job: adds the no-errors line when the job left no message line
// at all (each file only checksummed leaves a placeholder). Every way of
// showing a report calls this once, before the report is laid out.
void AddNoErrorsMessageIfNone(CJobReport& report);

// A file checked by its real name, whose name code page 932 cannot write:
// the row shows '?' for what it cannot, and a saved report cannot name it.
std::string UnwritableNameMessage(const std::string& name);
// The file name stands for (its path, or a list's name for it) could not be
// opened or read to its end.
std::string ReadErrorMessage(const std::string& name);
// No memory was left for handling the file.
std::string NoMemoryMessage(const std::string& name);
// Handling the file failed in a way the job did not foresee; it was not checked.
std::string UnexpectedErrorMessage(const std::string& name);
// A folder below one searched with its sub-folders is a link or junction;
// it leads elsewhere and was not entered.
std::string LinkNotEnteredMessage(const std::string& folder);
// A folder searched with its sub-folders could not be read; the search went on.
std::string UnreadableFolderMessage(const std::string& folder);
