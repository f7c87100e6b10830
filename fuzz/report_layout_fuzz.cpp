// Lays out reports from arbitrary rows: names of any bytes and length, any
// 16-bit CRC and any 64-bit size; checks the table's shape.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/result/report_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CStringList messages;
    CStringList names;
    CCrcList crcs;
    CSizeList sizes;
    std::size_t offset = 0;
    while (offset + 11 <= size) {
        const std::size_t nameLength = data[offset] % 40;
        std::uint16_t crc;
        std::int64_t fileSize;
        std::memcpy(&crc, data + offset + 1, 2);
        std::memcpy(&fileSize, data + offset + 3, 8);
        offset += 11;
        const std::size_t take = nameLength < size - offset ? nameLength : size - offset;
        const std::string name(reinterpret_cast<const char*>(data + offset), take);
        offset += take;
        if (fileSize & 1) {
            messages.AddTail(name);
        } else {
            names.AddTail(name);
            crcs.AddTail(crc);
            sizes.AddTail(fileSize);
        }
    }
    const std::size_t rows = names.GetCount();
    std::vector<std::string> lines;
    BuildReportLines(messages, names, crcs, sizes,
                     [&lines](const std::string& line) { lines.push_back(line); });
    if (rows > 0) {
        // Header, rule, rows, closing rule, total; rows as long as the rule.
        const std::size_t first = lines.size() - rows - 4;
        const std::size_t width = lines[first + 1].size();
        if (lines[first + rows + 2].size() != width) {
            std::abort();
        }
    }
    if (!messages.IsEmpty() || !names.IsEmpty()) {
        std::abort();
    }
    return 0;
}
