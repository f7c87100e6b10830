#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "lists/list_entry.h"

// Message lines of the list check. messageName names the file: the entry's name,
// or its path for column lists.

// "<messageName>:サイズ不一致(List=<listed>,File=<length>)"
std::string SizeMismatchMessage(const std::string& messageName, std::int64_t listedSize,
                                std::int64_t fileLength);

// "<name>:CRC不一致(List=<listed>,File=<file>)", both as four hex digits.
std::string CrcMismatchMessage(const std::string& name, std::uint16_t listedCrc,
                               std::uint16_t fileCrc);

// "<messageName>:パスが長すぎて開けません": given instead of the read error
// when the system refused the path for its length.
std::string PathTooLongMessage(const std::string& messageName);

// "<messageName>:ネットワーク上やデバイスのパスはリストからは開きません。":
// given instead of the read error for an entry that leads to a network
// share or a device, which was not tried.
std::string NotAFileMessage(const std::string& messageName);

// The message for an entry whose line could not be read whole, e.g.
// "<messageName>:サイズの欄が数値ではありません". fault must not be None.
std::string EntryFaultMessage(EntryFault fault, const std::string& messageName);
