#include "engine/crc16_clmul_steps.h"
#include "engine/crc16_tiers.h"

namespace {

using namespace crc16_clmul;

// Below this the setup and the final reduction cost more than the table loop.
constexpr std::size_t kMinimumLength = 64;

// Eight blocks in flight hide the multiplier's latency: each is carried 128
// bytes forward per round, then all are folded into the last.
__attribute__((target("pclmul,sse4.1"), always_inline)) inline __m128i FoldEightWide(
    __m128i first, const unsigned char*& bytes, std::size_t& length) {
    __m128i b0 = first, b1 = LoadBlock(bytes), b2 = LoadBlock(bytes + 16),
            b3 = LoadBlock(bytes + 32), b4 = LoadBlock(bytes + 48), b5 = LoadBlock(bytes + 64),
            b6 = LoadBlock(bytes + 80), b7 = LoadBlock(bytes + 96);
    bytes += 112;
    length -= 112;
    const __m128i by1024 = MultipliersFor<1024>();
    for (; length >= 128; bytes += 128, length -= 128) {
        b0 = FoldInto(b0, by1024, LoadBlock(bytes));
        b1 = FoldInto(b1, by1024, LoadBlock(bytes + 16));
        b2 = FoldInto(b2, by1024, LoadBlock(bytes + 32));
        b3 = FoldInto(b3, by1024, LoadBlock(bytes + 48));
        b4 = FoldInto(b4, by1024, LoadBlock(bytes + 64));
        b5 = FoldInto(b5, by1024, LoadBlock(bytes + 80));
        b6 = FoldInto(b6, by1024, LoadBlock(bytes + 96));
        b7 = FoldInto(b7, by1024, LoadBlock(bytes + 112));
    }
    b7 = FoldInto(b0, MultipliersFor<896>(), b7);
    b7 = FoldInto(b1, MultipliersFor<768>(), b7);
    b7 = FoldInto(b2, MultipliersFor<640>(), b7);
    b7 = FoldInto(b3, MultipliersFor<512>(), b7);
    b7 = FoldInto(b4, MultipliersFor<384>(), b7);
    b7 = FoldInto(b5, MultipliersFor<256>(), b7);
    return FoldInto(b6, MultipliersFor<128>(), b7);
}

}  // namespace

__attribute__((target("pclmul,sse4.1"))) std::uint16_t UpdateCrcClmul(std::uint16_t crc,
                                                                      const void* buffer,
                                                                      std::size_t length) {
    if (length < kMinimumLength) {
        return UpdateCrcSlicing(crc, buffer, length);
    }
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    __m128i block = FirstBlock(crc, bytes);
    bytes += 16;
    length -= 16;
    if (length >= 112) {
        block = FoldEightWide(block, bytes, length);
    }
    block = FoldBlocks(block, bytes, length);
    return UpdateCrcSlicing(Reduce(block), bytes, length);
}
