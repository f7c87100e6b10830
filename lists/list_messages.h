#pragma once

#include <cstddef>
#include <string>

// Message lines about a checksum list as a whole. list names it as the job
// received it.

// "<file name>:現バージョンではSFV-32などの32BitCRCには対応しておりません。"
std::string Sfv32Message(const std::string& list);

// A list without a single non-empty line has nothing to verify; saying so
// keeps the report from claiming that no error was found.
std::string EmptyListMessage(const std::string& list);

// Neither is a list whose lines hold no entry the reader could take.
std::string NoEntryMessage(const std::string& list);

// A report saved after a check that failed keeps the failing files' rows
// (a missing file's "FFFF 0" matches any empty file): verifying it again
// is no clean baseline, whatever its rows give.
std::string RecordedErrorsMessage(const std::string& list, std::size_t errors);

// Text after a Ctrl-Z, which ends a text list, was not read.
std::string TextAfterEndMarkMessage(const std::string& list);

// An unmarked list whose line reads as two names, in code page 932 and in
// UTF-8, that both name existing files: neither is taken for the other.
std::string TwoReadingsMessage(const std::string& name, const std::string& otherName);
