#include <array>
#include <bit>
#include <cstring>

#include "engine/crc16_tiers.h"

namespace {

static_assert(std::endian::native == std::endian::little,
              "the 64-bit loads below take the first byte as the lowest");

using CrcTable = std::array<std::uint16_t, 256>;

// kTables[k][b]: the CRC that byte b followed by k zero bytes leaves behind,
// starting from a zero register. kTables[0] is the byte loop's own table.
constexpr std::array<CrcTable, 16> kTables = [] {
    std::array<CrcTable, 16> tables{};
    for (unsigned index = 0; index < 256; ++index) {
        unsigned value = index;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1) ? (value >> 1) ^ 0x8408 : value >> 1;
        }
        tables[0][index] = static_cast<std::uint16_t>(value);
    }
    for (std::size_t k = 1; k < tables.size(); ++k) {
        for (unsigned index = 0; index < 256; ++index) {
            const std::uint16_t previous = tables[k - 1][index];
            tables[k][index] =
                static_cast<std::uint16_t>((previous >> 8) ^ tables[0][previous & 0xFF]);
        }
    }
    return tables;
}();

// The eight bytes of word, the first of them followed by `after + 7` more bytes.
inline std::uint16_t LookUpWord(std::uint64_t word, std::size_t after) {
    std::uint16_t crc = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        crc ^= kTables[after + 7 - i][(word >> (8 * i)) & 0xFF];
    }
    return crc;
}

std::uint64_t LoadWord(const unsigned char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

}  // namespace

std::uint16_t UpdateCrcSlicing(std::uint16_t crc, const void* buffer, std::size_t length) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    // The running CRC enters as the first two bytes of each block; the lookups
    // of all sixteen bytes are independent of each other.
    for (; length >= 16; bytes += 16, length -= 16) {
        crc = LookUpWord(LoadWord(bytes) ^ crc, 8) ^ LookUpWord(LoadWord(bytes + 8), 0);
    }
    for (; length > 0; ++bytes, --length) {
        crc = static_cast<std::uint16_t>(kTables[0][(crc ^ *bytes) & 0xFF] ^ (crc >> 8));
    }
    return crc;
}
