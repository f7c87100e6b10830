#include "lists/delimited_list_parser.h"

#include <optional>

#include "framework/cp932.h"
#include "lists/list_fields.h"

namespace {

// Takes the field at the start of rest and the two characters after it off
// rest. Returns nothing when no field stands there.
std::optional<std::string_view> TakeField(std::string_view& rest) {
    const std::size_t length = std::min(rest.find_first_of(" ,\n"), rest.size());
    if (length == 0) {
        return std::nullopt;
    }
    const std::string_view field = rest.substr(0, length);
    rest.remove_prefix(std::min(length + 2, rest.size()));
    return field;
}

LineReading Faulty(std::string_view name, EntryFault fault) {
    return {LineStep::Entry, {std::string(name), 0, 0, fault}, {}};
}

}  // namespace

LineReading ReadDelimitedLine(std::string_view line) {
    if (IsBlankLine(line)) {
        return {};
    }
    std::string_view rest = line;
    const std::optional<std::string_view> name = TakeField(rest);
    if (!name) {
        return Faulty(TrimAsciiSpace(line), EntryFault::NoName);
    }
    if (name->size() > kDelimitedNameLimit) {
        return Faulty(*name, EntryFault::NameTooLong);
    }
    const std::optional<std::string_view> crcField = TakeField(rest);
    if (crcField && crcField->size() > kDelimitedCrcLimit) {
        return Faulty(*name, EntryFault::CrcTooLong);
    }
    const CrcField crc = crcField ? ReadCrcField(*crcField) : CrcField{};
    const std::optional<std::string_view> sizeField = TakeField(rest);
    // A fault of the CRC field is named before any of the size field.
    if (crc.reading == FieldReading::Read && sizeField && sizeField->size() > kDelimitedSizeLimit) {
        return Faulty(*name, EntryFault::SizeTooLong);
    }
    const SizeField size =
        sizeField ? ReadSizeField(sizeField->substr(0, sizeField->find('.'))) : SizeField{};
    return {LineStep::Entry, EntryFromFields(std::string(*name), crc, size), {}};
}
