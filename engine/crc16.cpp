#include "engine/crc16.h"

#include <cstdio>

std::array<std::uint16_t, 256> g_crcTable{};

namespace {
constexpr std::uint16_t kReflectedPolynomial = 0x8408;
}

void BuildCrcTable() {
    for (unsigned index = 0; index < 256; ++index) {
        unsigned value = index;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1) ? (value >> 1) ^ kReflectedPolynomial : value >> 1;
        }
        g_crcTable[index] = static_cast<std::uint16_t>(value);
    }
}

std::uint16_t UpdateCrcBytewise(std::uint16_t crc, const void* buffer, std::size_t length) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    for (std::size_t i = 0; i < length; ++i) {
        crc = static_cast<std::uint16_t>(g_crcTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8));
    }
    return crc;
}

std::string FormatCrcHex(std::uint16_t crc) {
    char text[5];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(crc));
    return text;
}
