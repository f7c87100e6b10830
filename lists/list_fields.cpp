#include "lists/list_fields.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "framework/cp932.h"

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view SkipLeadingSpace(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsAsciiSpace);
    return text.substr(static_cast<std::size_t>(first - text.begin()));
}

}  // namespace

CrcField ReadCrcField(std::string_view field) {
    const std::string_view text = SkipLeadingSpace(field);
    if (text.empty()) {
        return {};
    }
    std::size_t digits = 0;
    while (digits < 4 && digits < text.size() && IsHexDigit(text[digits])) {
        ++digits;
    }
    if (digits == 0) {
        return {FieldReading::NotANumber, 0};
    }
    unsigned value = 0;
    std::from_chars(text.data(), text.data() + digits, value, 16);
    return {FieldReading::Read, static_cast<std::uint16_t>(value)};
}

SizeField ReadSizeField(std::string_view field) {
    std::string_view text = SkipLeadingSpace(field);
    if (text.empty()) {
        return {};
    }
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+') {
        text.remove_prefix(1);
    }
    const auto end = std::find_if_not(text.begin(), text.end(), IsDecimalDigit);
    const std::string_view digits = text.substr(0, static_cast<std::size_t>(end - text.begin()));
    std::uint64_t magnitude = 0;
    const std::errc error =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude).ec;
    constexpr std::uint64_t kLargest = std::numeric_limits<std::int64_t>::max();
    if (digits.empty() || error != std::errc{} || magnitude > kLargest + (negative ? 1 : 0)) {
        return {FieldReading::NotANumber, 0};
    }
    // Negating in unsigned arithmetic keeps the most negative value exact.
    const std::uint64_t bits = negative ? ~magnitude + 1 : magnitude;
    return {FieldReading::Read, static_cast<std::int64_t>(bits)};
}

std::string RemoveCommas(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    std::copy_if(field.begin(), field.end(), std::back_inserter(text),
                 [](char c) { return c != ','; });
    return text;
}

bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), IsAsciiSpace);
}

bool IsClosingRule(std::string_view line) {
    return !line.empty() && line.front() == '-' &&
           std::all_of(line.begin(), line.end(),
                       [](char c) { return c == '-' || IsAsciiSpace(c); });
}

EntryFault CrcFault(FieldReading reading) {
    switch (reading) {
        case FieldReading::Read:
            return EntryFault::None;
        case FieldReading::Blank:
            return EntryFault::NoCrc;
        case FieldReading::NotANumber:
            break;
    }
    return EntryFault::CrcNotHex;
}

EntryFault SizeFault(FieldReading reading) {
    switch (reading) {
        case FieldReading::Read:
            return EntryFault::None;
        case FieldReading::Blank:
            return EntryFault::NoSize;
        case FieldReading::NotANumber:
            break;
    }
    return EntryFault::SizeNotNumeric;
}

ListEntry EntryFromFields(std::string name, const CrcField& crc, const SizeField& size) {
    const EntryFault fault =
        crc.reading != FieldReading::Read ? CrcFault(crc.reading) : SizeFault(size.reading);
    if (fault != EntryFault::None) {
        return {std::move(name), 0, 0, fault};
    }
    return {std::move(name), crc.value, size.value, EntryFault::None};
}
