#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// CRC-16/MCRF4XX: polynomial 0x1021 reflected (0x8408), initial value 0xFFFF,
// reflected input and output, no final XOR. Check value ("123456789"): 0x6F91.
inline constexpr std::uint16_t kCrcInitial = 0xFFFF;

// Filled once by BuildCrcTable before any job runs; read-only afterwards.
extern std::array<std::uint16_t, 256> g_crcTable;

void BuildCrcTable();

// Continues a CRC over length bytes. Feeding data in pieces, each call passing
// on the previous result, gives the CRC of the whole. A length of 0 returns crc.
// Runs the fastest implementation this processor and system allow, chosen
// once; safe to call from any thread.
std::uint16_t UpdateCrc(std::uint16_t crc, const void* buffer, std::size_t length);

// The implementations of UpdateCrc, slowest first. All give the same results.
enum class CrcTier {
    Bytewise,     // one table lookup per byte (the reference)
    Slicing,      // sixteen table lookups per 16 bytes, independent of each other
    Clmul,        // 128-bit carry-less multiplication (PCLMULQDQ)
    Avx2Clmul,    // 256-bit carry-less multiplication (VPCLMULQDQ, AVX2)
    VectorClmul,  // 512-bit carry-less multiplication (VPCLMULQDQ, AVX-512)
};

// The tiers this processor and operating system can run, slowest first.
std::vector<CrcTier> AvailableCrcTiers();
// The tier UpdateCrc uses: the last of AvailableCrcTiers().
CrcTier ActiveCrcTier();
const char* CrcTierName(CrcTier tier);
// UpdateCrc through one given tier; a tier this machine lacks is replaced by
// the active one rather than run.
std::uint16_t UpdateCrcWith(CrcTier tier, std::uint16_t crc, const void* buffer,
                            std::size_t length);

// The CRC of data A followed by data B, from crcFirst (the CRC of A, from any
// starting register), crcSecondFromZero (the CRC of B from a zero register)
// and the length of B. Lets parts of a file be hashed apart and joined.
std::uint16_t CombineCrc(std::uint16_t crcFirst, std::uint16_t crcSecondFromZero,
                         std::uint64_t lengthSecond);

// The byte-at-a-time table loop: the reference that every faster path must equal.
std::uint16_t UpdateCrcBytewise(std::uint16_t crc, const void* buffer, std::size_t length);

// Four upper-case hexadecimal digits with leading zeros.
std::string FormatCrcHex(std::uint16_t crc);
