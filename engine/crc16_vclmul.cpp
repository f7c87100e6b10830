#include "engine/crc16_clmul_steps.h"
#include "engine/crc16_tiers.h"

// Every function here holds its vectors in registers: 64-bit Windows keeps
// its stack only 16-byte aligned, and a 512-bit value spilled with an aligned
// move would fault there (Wine does not show it). The test that disassembles
// the built programs keeps it so.
#define VARNEL_VCLMUL __attribute__((target("avx512f,vpclmulqdq,pclmul,sse4.1")))

namespace {

using namespace crc16_clmul;

// Masked forms with a zero mask stand in for plain broadcasts and extracts:
// the plain ones start from an undefined register, which GCC 12 reports as
// maybe-uninitialized once they are inlined.
constexpr __mmask16 kAllDwords = 0xFFFF;
constexpr __mmask8 kLowHalf = 0x0F, kLastLane = 0xC0;

// Four 64-byte blocks per round; shorter data goes to the 128-bit tier.
constexpr std::size_t kRoundLength = 256;

template <unsigned distanceBits>
VARNEL_VCLMUL __attribute__((always_inline)) inline __m512i WideMultipliersFor() {
    return _mm512_maskz_broadcast_i32x4(kAllDwords, MultipliersFor<distanceBits>());
}

VARNEL_VCLMUL __attribute__((always_inline)) inline __m512i LoadWide(const unsigned char* bytes) {
    return _mm512_loadu_si512(bytes);
}

// Each 128-bit lane of block carried forward and added to next, in one
// three-way exclusive or.
VARNEL_VCLMUL __attribute__((always_inline)) inline __m512i FoldWide(__m512i block,
                                                                     __m512i multipliers,
                                                                     __m512i next) {
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(block, multipliers, 0x00),
                                     _mm512_clmulepi64_epi128(block, multipliers, 0x11), next,
                                     0x96);
}

// The four lanes of a 64-byte block folded into its last lane.
VARNEL_VCLMUL __attribute__((always_inline)) inline __m128i FoldLanes(__m512i block) {
    constexpr crc16_fold::FoldMultipliers by384 = crc16_fold::FoldBy(384);
    constexpr crc16_fold::FoldMultipliers by256 = crc16_fold::FoldBy(256);
    constexpr crc16_fold::FoldMultipliers by128 = crc16_fold::FoldBy(128);
    const __m512i multipliers = _mm512_set_epi64(
        0, 0, static_cast<long long>(by128.second), static_cast<long long>(by128.first),
        static_cast<long long>(by256.second), static_cast<long long>(by256.first),
        static_cast<long long>(by384.second), static_cast<long long>(by384.first));
    const __m512i lastLane = _mm512_maskz_mov_epi64(kLastLane, block);
    const __m512i folded = FoldWide(block, multipliers, lastLane);
    const __m256i half = _mm256_xor_si256(_mm512_maskz_extracti64x4_epi64(kLowHalf, folded, 0),
                                          _mm512_maskz_extracti64x4_epi64(kLowHalf, folded, 1));
    return _mm_xor_si128(_mm256_castsi256_si128(half), _mm256_extracti128_si256(half, 1));
}

}  // namespace

VARNEL_VCLMUL std::uint16_t UpdateCrcVectorClmul(std::uint16_t crc, const void* buffer,
                                                 std::size_t length) {
    if (length < kRoundLength) {
        return UpdateCrcClmul(crc, buffer, length);
    }
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    const __m512i crcBlock = _mm512_inserti32x4(_mm512_setzero_si512(), _mm_cvtsi32_si128(crc), 0);
    __m512i b0 = _mm512_xor_si512(LoadWide(bytes), crcBlock), b1 = LoadWide(bytes + 64),
            b2 = LoadWide(bytes + 128), b3 = LoadWide(bytes + 192);
    bytes += kRoundLength;
    length -= kRoundLength;
    const __m512i by2048 = WideMultipliersFor<2048>();
    for (; length >= kRoundLength; bytes += kRoundLength, length -= kRoundLength) {
        b0 = FoldWide(b0, by2048, LoadWide(bytes));
        b1 = FoldWide(b1, by2048, LoadWide(bytes + 64));
        b2 = FoldWide(b2, by2048, LoadWide(bytes + 128));
        b3 = FoldWide(b3, by2048, LoadWide(bytes + 192));
    }
    b3 = FoldWide(b0, WideMultipliersFor<1536>(), b3);
    b3 = FoldWide(b1, WideMultipliersFor<1024>(), b3);
    b3 = FoldWide(b2, WideMultipliersFor<512>(), b3);
    const __m512i by512 = WideMultipliersFor<512>();
    for (; length >= 64; bytes += 64, length -= 64) {
        b3 = FoldWide(b3, by512, LoadWide(bytes));
    }
    const __m128i block = FoldBlocks(FoldLanes(b3), bytes, length);
    return UpdateCrcSlicing(Reduce(block), bytes, length);
}
