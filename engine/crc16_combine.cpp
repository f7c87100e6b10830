#include "engine/crc16.h"

#include <bit>

namespace {

constexpr std::uint32_t kPolynomial = 0x11021;  // x^16 + x^12 + x^5 + 1

// The register keeps x^15 in bit 0; polynomials here keep x^j in bit j.
std::uint16_t Reverse16(std::uint16_t value) {
    std::uint16_t reversed = 0;
    for (int bit = 0; bit < 16; ++bit) {
        reversed = static_cast<std::uint16_t>((reversed << 1) | ((value >> bit) & 1));
    }
    return reversed;
}

std::uint16_t MultiplyModP(std::uint16_t a, std::uint16_t b) {
    std::uint32_t product = 0;
    for (int bit = 15; bit >= 0; --bit) {
        product <<= 1;
        if (product & 0x10000) {
            product ^= kPolynomial;
        }
        if ((b >> bit) & 1) {
            product ^= a;
        }
    }
    return static_cast<std::uint16_t>(product);
}

// x^exponent mod P, by squaring: a chunk's length is millions of bits.
std::uint16_t XPowerModP(std::uint64_t exponent) {
    std::uint16_t result = 1;
    for (int bit = std::bit_width(exponent) - 1; bit >= 0; --bit) {
        result = MultiplyModP(result, result);
        if ((exponent >> bit) & 1) {
            result = MultiplyModP(result, 2);  // times x
        }
    }
    return result;
}

}  // namespace

std::uint16_t CombineCrc(std::uint16_t crcFirst, std::uint16_t crcSecondFromZero,
                         std::uint64_t lengthSecond) {
    // Feeding bytes moves the register on by x^(8 * length) mod P, and the
    // second part's own bytes add their CRC from zero on top.
    const std::uint16_t moved = MultiplyModP(Reverse16(crcFirst), XPowerModP(8 * lengthSecond));
    return static_cast<std::uint16_t>(Reverse16(moved) ^ crcSecondFromZero);
}
