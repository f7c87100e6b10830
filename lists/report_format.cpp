#include "lists/report_format.h"

#include <cstdio>
#include <limits>

std::string HeaderLine(std::size_t nameWidth) {
    std::string line = "Name";
    if (line.size() < nameWidth) {
        line.append(nameWidth - line.size(), ' ');
    }
    return line.append(kHeaderColumns);
}

std::string GroupThousands(std::int64_t value) {
    std::string text;
    while (value >= 1000) {
        char group[8];
        std::snprintf(group, sizeof group, ",%03d", static_cast<int>(value % 1000));
        text.insert(0, group);
        value /= 1000;
    }
    return std::to_string(value) + text;
}

void ReportTotal::Add(std::int64_t size) {
    ++files;
    if (__builtin_add_overflow(bytes, size, &bytes)) {
        bytes = size > 0 ? std::numeric_limits<std::int64_t>::max()
                         : std::numeric_limits<std::int64_t>::min();
    }
}

std::string ReportTotal::Line() const {
    return "Total  " + std::to_string(files) + " Files  " + GroupThousands(bytes) + " Bytes";
}
