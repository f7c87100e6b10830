#pragma once

#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "engine/crc16_fold.h"

// 128-bit folding steps shared by the carry-less-multiply tiers. They are
// compiled for PCLMULQDQ and SSE4.1 only inside the functions that call them,
// so the rest of the program stays baseline x86-64; always inlined, so that no
// vector value passes through memory between them.
namespace crc16_clmul {

#define VARNEL_CLMUL_STEP __attribute__((target("pclmul,sse4.1"), always_inline)) inline

// The multipliers that carry a block distanceBits further, as one register.
template <unsigned distanceBits>
VARNEL_CLMUL_STEP __m128i MultipliersFor() {
    constexpr crc16_fold::FoldMultipliers multipliers = crc16_fold::FoldBy(distanceBits);
    return _mm_set_epi64x(static_cast<long long>(multipliers.second),
                          static_cast<long long>(multipliers.first));
}

VARNEL_CLMUL_STEP __m128i LoadBlock(const unsigned char* bytes) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
}

// The running CRC enters as the first 16 bits of the data.
VARNEL_CLMUL_STEP __m128i FirstBlock(std::uint16_t crc, const unsigned char* bytes) {
    return _mm_xor_si128(LoadBlock(bytes), _mm_cvtsi32_si128(crc));
}

// block carried forward by the distance of multipliers, added to next.
VARNEL_CLMUL_STEP __m128i FoldInto(__m128i block, __m128i multipliers, __m128i next) {
    const __m128i first = _mm_clmulepi64_si128(block, multipliers, 0x00);
    const __m128i second = _mm_clmulepi64_si128(block, multipliers, 0x11);
    return _mm_xor_si128(_mm_xor_si128(first, second), next);
}

// Folds 16-byte blocks into block while at least 16 bytes remain.
VARNEL_CLMUL_STEP __m128i FoldBlocks(__m128i block, const unsigned char*& bytes,
                                     std::size_t& length) {
    const __m128i by128 = MultipliersFor<128>();
    for (; length >= 16; bytes += 16, length -= 16) {
        block = FoldInto(block, by128, LoadBlock(bytes));
    }
    return block;
}

// The CRC register after the data that block stands for: block * x^16 mod P.
VARNEL_CLMUL_STEP std::uint16_t Reduce(__m128i block) {
    constexpr std::uint64_t kBy80 = crc16_fold::ShiftMultiplier(80);
    constexpr std::uint64_t kMu = crc16_fold::ToLane(crc16_fold::BarrettQuotient());
    constexpr std::uint64_t kTail = crc16_fold::ToLane(crc16_fold::kPolynomialTail);
    // block * x^16 = first * x^80 + second * x^16: carry the first lane with a
    // multiply and the second with a 16-bit shift, leaving degree below 80.
    const __m128i by80 = _mm_cvtsi64_si128(static_cast<long long>(kBy80));
    const __m128i second = _mm_unpackhi_epi64(_mm_setzero_si128(), block);
    const __m128i wide =
        _mm_xor_si128(_mm_clmulepi64_si128(block, by80, 0x00), _mm_srli_si128(second, 2));
    // Barrett: quotient = high + floor(high * (floor(x^80 / P) - x^64) / x^64),
    // with high the part above x^16; the remainder's low 16 bits are the CRC.
    const __m128i high = _mm_srli_si128(wide, 6);
    const __m128i mu = _mm_cvtsi64_si128(static_cast<long long>(kMu));
    const __m128i estimate = _mm_slli_epi64(_mm_clmulepi64_si128(high, mu, 0x00), 1);
    const __m128i quotient = _mm_xor_si128(high, estimate);
    const __m128i tail = _mm_cvtsi64_si128(static_cast<long long>(kTail));
    const __m128i product = _mm_clmulepi64_si128(quotient, tail, 0x00);
    const auto productLow = static_cast<std::uint64_t>(_mm_extract_epi64(product, 1)) >> 47;
    return static_cast<std::uint16_t>(_mm_extract_epi16(wide, 7) ^ productLow);
}

#undef VARNEL_CLMUL_STEP

}  // namespace crc16_clmul
