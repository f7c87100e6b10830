#include "lists/entry_messages.h"

#include "engine/crc16.h"

namespace {

const char* EntryFaultReason(EntryFault fault) {
    switch (fault) {
        case EntryFault::NoName:
            return "名前の欄がありません";
        case EntryFault::NameTooLong:
            return "名前の欄が長すぎます";
        case EntryFault::NoCrc:
            return "CRCの欄がありません";
        case EntryFault::CrcTooLong:
            return "CRCの欄が長すぎます";
        case EntryFault::CrcNotHex:
            return "CRCの欄が16進数ではありません";
        case EntryFault::NoSize:
            return "サイズの欄がありません";
        case EntryFault::SizeTooLong:
            return "サイズの欄が長すぎます";
        case EntryFault::SizeNotNumeric:
            return "サイズの欄が数値ではありません";
        case EntryFault::NotARow:
            return "表の行として読み取れません";
        case EntryFault::None:
            break;
    }
    return "読み込みエラー";
}

}  // namespace

std::string SizeMismatchMessage(const std::string& messageName, std::int64_t listedSize,
                                std::int64_t fileLength) {
    return messageName + ":サイズ不一致(List=" + std::to_string(listedSize) +
           ",File=" + std::to_string(fileLength) + ")";
}

std::string CrcMismatchMessage(const std::string& name, std::uint16_t listedCrc,
                               std::uint16_t fileCrc) {
    return name + ":CRC不一致(List=" + FormatCrcHex(listedCrc) + ",File=" + FormatCrcHex(fileCrc) +
           ")";
}

std::string PathTooLongMessage(const std::string& messageName) {
    return messageName + ":パスが長すぎて開けません";
}

std::string NotAFileMessage(const std::string& messageName) {
    return messageName + ":ネットワーク上やデバイスのパスはリストからは開きません。";
}

std::string EntryFaultMessage(EntryFault fault, const std::string& messageName) {
    return messageName + ":" + EntryFaultReason(fault);
}
