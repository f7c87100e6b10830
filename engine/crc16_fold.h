#pragma once

#include <cstdint>

// Constants of carry-less-multiply folding for CRC-16/MCRF4XX, computed from
// the polynomial at compile time.
//
// The CRC is reflected: the first bit of the data (bit 0 of byte 0) is the
// highest power of x. Registers keep that order, so in a 64-bit lane bit i
// holds the coefficient of x^(63-i), and in a 128-bit block bit k holds that
// of x^(127-k). A carry-less multiply of two such lanes yields x * a * b as a
// 128-bit block (the product's top bit is always 0 and lands at bit 127), so
// every multiplier below carries one power of x less to make up for it.
namespace crc16_fold {

// x^16 + x^12 + x^5 + 1, bit j the coefficient of x^j.
inline constexpr std::uint32_t kPolynomial = 0x11021;
inline constexpr unsigned kWidth = 16;

// x^n mod P, bit j the coefficient of x^j.
constexpr std::uint16_t XPowerModP(unsigned n) {
    std::uint32_t value = 1;
    for (unsigned i = 0; i < n; ++i) {
        value <<= 1;
        if (value & (1u << kWidth)) {
            value ^= kPolynomial;
        }
    }
    return static_cast<std::uint16_t>(value);
}

// A polynomial of degree below 64 (bit j the coefficient of x^j) in lane order.
constexpr std::uint64_t ToLane(std::uint64_t polynomial) {
    std::uint64_t lane = 0;
    for (unsigned j = 0; j < 64; ++j) {
        if ((polynomial >> j) & 1) {
            lane |= std::uint64_t{1} << (63 - j);
        }
    }
    return lane;
}

// Multiplier that carries a 64-bit lane n bits further along the data.
constexpr std::uint64_t ShiftMultiplier(unsigned n) {
    return ToLane(XPowerModP(n - 1));
}

// Multipliers that carry a 128-bit block `distance` bits further: its first
// lane (the higher powers) moves 64 + distance bits, its second distance bits.
struct FoldMultipliers {
    std::uint64_t first;
    std::uint64_t second;
};

constexpr FoldMultipliers FoldBy(unsigned distanceBits) {
    return {ShiftMultiplier(distanceBits + 64), ShiftMultiplier(distanceBits)};
}

// floor(x^80 / P) less its leading x^64, for the Barrett reduction of a
// polynomial of degree below 80 to its remainder mod P.
constexpr std::uint64_t BarrettQuotient() {
    std::uint64_t quotient = 0;
    std::uint32_t remainder = 1;
    for (unsigned i = 0; i < 64 + kWidth; ++i) {
        remainder <<= 1;
        quotient <<= 1;
        if (remainder & (1u << kWidth)) {
            remainder ^= kPolynomial;
            quotient |= 1;
        }
    }
    return quotient;
}

// P less its leading x^16.
inline constexpr std::uint64_t kPolynomialTail = kPolynomial & 0xFFFF;

}  // namespace crc16_fold
