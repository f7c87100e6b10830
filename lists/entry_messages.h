#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "lists/list_entry.h"

// Message lines of the list check. subject names the file: the entry's name,
// or its path for column lists.

// "<subject>:サイズ不一致(List=<listed>,File=<length>)"
std::string SizeMismatchMessage(const std::string& subject, std::int64_t listedSize,
                                std::int64_t fileLength);

// "<name>:CRC不一致(List=<listed>,File=<file>)", both as four hex digits.
std::string CrcMismatchMessage(const std::string& name, std::uint16_t listedCrc,
                               std::uint16_t fileCrc);

// "<subject>:パスが長すぎて開けません": given instead of the read error
// when the system refused the path for its length.
std::string PathTooLongMessage(const std::string& subject);

// "<subject>:ネットワーク上やデバイスのパスはリストからは開きません。":
// given instead of the read error for an entry that leads to a network
// share or a device, which was not tried.
std::string NotAFileMessage(const std::string& subject);

// The message for an entry whose line could not be read whole, e.g.
// "<subject>:サイズの欄が数値ではありません". fault must not be None.
std::string EntryFaultMessage(EntryFault fault, const std::string& subject);
