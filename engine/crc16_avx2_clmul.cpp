#include "engine/crc16_clmul_steps.h"
#include "engine/crc16_tiers.h"

// As in the 512-bit tier, every vector stays in a register: 64-bit Windows
// aligns its stack to 16 bytes only, and a 256-bit value spilled with an
// aligned move would fault there.
#define VARNEL_YMM_CLMUL __attribute__((target("avx2,vpclmulqdq,pclmul,sse4.1")))
#define VARNEL_YMM_STEP VARNEL_YMM_CLMUL __attribute__((always_inline)) inline

namespace {

using namespace crc16_clmul;

// Eight 32-byte blocks per round, enough to hide the multiplier's latency in
// sixteen registers; shorter data goes to the 128-bit tier.
constexpr std::size_t kRoundLength = 256;

template <unsigned distanceBits>
VARNEL_YMM_STEP __m256i YmmMultipliersFor() {
    return _mm256_broadcastsi128_si256(MultipliersFor<distanceBits>());
}

VARNEL_YMM_STEP __m256i LoadYmm(const unsigned char* bytes) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
}

// Each 128-bit lane of block carried forward and added to next.
VARNEL_YMM_STEP __m256i FoldYmm(__m256i block, __m256i multipliers, __m256i next) {
    const __m256i first = _mm256_clmulepi64_epi128(block, multipliers, 0x00);
    const __m256i second = _mm256_clmulepi64_epi128(block, multipliers, 0x11);
    return _mm256_xor_si256(_mm256_xor_si256(first, second), next);
}

// The two lanes of a 32-byte block folded into its last lane.
VARNEL_YMM_STEP __m128i FoldLanes(__m256i block) {
    return FoldInto(_mm256_castsi256_si128(block), MultipliersFor<128>(),
                    _mm256_extracti128_si256(block, 1));
}

}  // namespace

VARNEL_YMM_CLMUL std::uint16_t UpdateCrcAvx2Clmul(std::uint16_t crc, const void* buffer,
                                                  std::size_t length) {
    if (length < kRoundLength) {
        return UpdateCrcClmul(crc, buffer, length);
    }
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    const __m256i crcBlock = _mm256_zextsi128_si256(_mm_cvtsi32_si128(crc));
    __m256i b0 = _mm256_xor_si256(LoadYmm(bytes), crcBlock), b1 = LoadYmm(bytes + 32),
            b2 = LoadYmm(bytes + 64), b3 = LoadYmm(bytes + 96), b4 = LoadYmm(bytes + 128),
            b5 = LoadYmm(bytes + 160), b6 = LoadYmm(bytes + 192), b7 = LoadYmm(bytes + 224);
    bytes += kRoundLength;
    length -= kRoundLength;
    const __m256i by2048 = YmmMultipliersFor<2048>();
    for (; length >= kRoundLength; bytes += kRoundLength, length -= kRoundLength) {
        b0 = FoldYmm(b0, by2048, LoadYmm(bytes));
        b1 = FoldYmm(b1, by2048, LoadYmm(bytes + 32));
        b2 = FoldYmm(b2, by2048, LoadYmm(bytes + 64));
        b3 = FoldYmm(b3, by2048, LoadYmm(bytes + 96));
        b4 = FoldYmm(b4, by2048, LoadYmm(bytes + 128));
        b5 = FoldYmm(b5, by2048, LoadYmm(bytes + 160));
        b6 = FoldYmm(b6, by2048, LoadYmm(bytes + 192));
        b7 = FoldYmm(b7, by2048, LoadYmm(bytes + 224));
    }
    b7 = FoldYmm(b0, YmmMultipliersFor<1792>(), b7);
    b7 = FoldYmm(b1, YmmMultipliersFor<1536>(), b7);
    b7 = FoldYmm(b2, YmmMultipliersFor<1280>(), b7);
    b7 = FoldYmm(b3, YmmMultipliersFor<1024>(), b7);
    b7 = FoldYmm(b4, YmmMultipliersFor<768>(), b7);
    b7 = FoldYmm(b5, YmmMultipliersFor<512>(), b7);
    b7 = FoldYmm(b6, YmmMultipliersFor<256>(), b7);
    const __m256i by256 = YmmMultipliersFor<256>();
    for (; length >= 32; bytes += 32, length -= 32) {
        b7 = FoldYmm(b7, by256, LoadYmm(bytes));
    }
    const __m128i block = FoldBlocks(FoldLanes(b7), bytes, length);
    return UpdateCrcSlicing(Reduce(block), bytes, length);
}
