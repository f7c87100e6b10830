#pragma once

#include <string>

// Message lines of a job, as the report shows them.

// Left in the message list for every file that was only checksummed; never shown.
inline constexpr char kPlaceholderMessage[] = "@";
// Added after a job when no message line exists.
inline constexpr char kNoErrorsMessage[] = "エラーは見つかりませんでした。";
// The input list had no entry.
inline constexpr char kNoInputMessage[] =
    "CRCを計算するファイルがありません。未対応のCRC形式である可能性があります。";

// The file named by subject could not be opened or read to its end.
std::string ReadErrorMessage(const std::string& subject);
