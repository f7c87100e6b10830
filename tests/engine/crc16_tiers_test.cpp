#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "engine/crc16.h"

namespace {

std::vector<unsigned char> RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(size);
    for (auto& byte : bytes) {
        byte = static_cast<unsigned char>(random());
    }
    return bytes;
}

class CrcTierTest : public ::testing::TestWithParam<CrcTier> {
protected:
    void SetUp() override {
        BuildCrcTable();
        const std::vector<CrcTier> tiers = AvailableCrcTiers();
        if (std::find(tiers.begin(), tiers.end(), GetParam()) == tiers.end()) {
            GTEST_SKIP() << CrcTierName(GetParam()) << " needs instructions this processor "
                         << "or operating system does not offer";
        }
    }

    std::uint16_t Crc(std::uint16_t crc, const void* data, std::size_t length) const {
        return UpdateCrcWith(GetParam(), crc, data, length);
    }
    std::uint16_t CrcOf(const std::string& text) const {
        return Crc(kCrcInitial, text.data(), text.size());
    }
};

TEST_P(CrcTierTest, CatalogueCodewords) {
    EXPECT_EQ(CrcOf(""), 0xFFFF);
    EXPECT_EQ(CrcOf("123456789"), 0x6F91);
    EXPECT_EQ(CrcOf("T"), 0x1B26);
    EXPECT_EQ(CrcOf("CatMouse987654321"), 0xF56E);
    EXPECT_EQ(CrcOf("abc"), 0x61DA);
}

// Without a final XOR, data followed by its own CRC (low byte first) leaves
// a zero register: a check that needs no reference implementation, at
// lengths that go through every folding loop.
TEST_P(CrcTierTest, DataFollowedByItsCrcLeavesZero) {
    for (std::size_t size : {std::size_t{64}, std::size_t{1000}, std::size_t{65536 + 77}}) {
        std::vector<unsigned char> data = RandomBytes(size, static_cast<unsigned>(size));
        const std::uint16_t crc = Crc(kCrcInitial, data.data(), data.size());
        data.push_back(static_cast<unsigned char>(crc & 0xFF));
        data.push_back(static_cast<unsigned char>(crc >> 8));
        EXPECT_EQ(Crc(kCrcInitial, data.data(), data.size()), 0) << size;
    }
}

// The faster tiers against the byte loop.
class FastCrcTierTest : public CrcTierTest {};

// Every length up to a few KiB at every alignment within a cache line, each
// from its own starting register, against the byte loop.
TEST_P(FastCrcTierTest, EveryLengthAtEveryAlignmentEqualsTheByteLoop) {
    constexpr std::size_t kMaxLength = 3 * 1024 + 100;
    const std::vector<unsigned char> data = RandomBytes(kMaxLength + 64, 1);
    int mismatches = 0;
    for (std::size_t offset = 0; offset < 64; ++offset) {
        const unsigned char* start = data.data() + offset;
        const auto initial = static_cast<std::uint16_t>(0xFFFF - offset * 0x0101);
        std::uint16_t reference = initial;
        for (std::size_t length = 0; length <= kMaxLength; ++length) {
            if (length > 0) {
                reference = UpdateCrcBytewise(reference, start + length - 1, 1);
            }
            if (Crc(initial, start, length) != reference && ++mismatches <= 10) {
                ADD_FAILURE() << "offset " << offset << ", length " << length;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_P(FastCrcTierTest, RandomPiecesEqualTheWhole) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        const std::vector<unsigned char> data = RandomBytes(random() % 70000, round);
        const std::uint16_t whole = UpdateCrcBytewise(kCrcInitial, data.data(), data.size());
        std::uint16_t crc = kCrcInitial;
        for (std::size_t done = 0; done < data.size();) {
            // Mostly short pieces, sometimes long ones, so that a piece starts
            // and ends anywhere relative to the folding blocks.
            const std::size_t limit = (random() % 4 == 0) ? 20000 : 300;
            const std::size_t piece = std::min<std::size_t>(random() % limit, data.size() - done);
            crc = Crc(crc, data.data() + done, piece);
            done += piece;
        }
        EXPECT_EQ(crc, whole) << "round " << round << ", " << data.size() << " bytes";
    }
}

TEST_P(FastCrcTierTest, UniformBuffersEqualTheByteLoop) {
    for (unsigned char fill : {0x00, 0xFF}) {
        for (std::size_t size :
             {std::size_t{255}, std::size_t{256}, std::size_t{4097}, std::size_t{1 << 20}}) {
            const std::vector<unsigned char> data(size, fill);
            for (std::uint16_t initial : {std::uint16_t{0}, kCrcInitial}) {
                EXPECT_EQ(Crc(initial, data.data(), size),
                          UpdateCrcBytewise(initial, data.data(), size))
                    << size << " bytes of " << int{fill} << " from " << initial;
            }
        }
    }
}

TEST_P(FastCrcTierTest, AChunkOfAFileEqualsTheByteLoop) {
    const std::vector<unsigned char> data = RandomBytes((1 << 20) + 13, 99);
    EXPECT_EQ(Crc(kCrcInitial, data.data(), data.size()),
              UpdateCrcBytewise(kCrcInitial, data.data(), data.size()));
}

std::string TierTestName(const ::testing::TestParamInfo<CrcTier>& info) {
    std::string name = CrcTierName(info.param);
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllTiers, CrcTierTest,
                         ::testing::Values(CrcTier::Bytewise, CrcTier::Slicing, CrcTier::Clmul,
                                           CrcTier::Avx2Clmul, CrcTier::VectorClmul),
                         TierTestName);
INSTANTIATE_TEST_SUITE_P(FastTiers, FastCrcTierTest,
                         ::testing::Values(CrcTier::Slicing, CrcTier::Clmul, CrcTier::Avx2Clmul,
                                           CrcTier::VectorClmul),
                         TierTestName);

// Parts hashed apart, the second from a zero register, join into the CRC of
// the whole, whatever the lengths (a file's chunks are millions of bits).
TEST(CombineCrcTest, PartsHashedApartJoinIntoTheWhole) {
    BuildCrcTable();
    const std::vector<unsigned char> data = RandomBytes((3 << 20) + 77, 11);
    std::mt19937 random(13);
    for (int round = 0; round < 60; ++round) {
        std::size_t length = random() % data.size(), split = random() % (length + 1);
        if (round < 3) {  // an empty second part, an empty first one, two chunks
            length = round < 2 ? 1000 : (2 << 20);
            split = round == 0 ? length : round == 1 ? 0 : length / 2;
        }
        const auto initial = static_cast<std::uint16_t>(random());
        const std::uint16_t first = UpdateCrc(initial, data.data(), split);
        const std::uint16_t second = UpdateCrc(0, data.data() + split, length - split);
        EXPECT_EQ(CombineCrc(first, second, length - split),
                  UpdateCrcBytewise(initial, data.data(), length))
            << length << " bytes split at " << split;
    }
}

// The processor checks of the engine (CPUID and XGETBV) agree with those of
// the compiler's runtime, and UpdateCrc runs the fastest tier found.
TEST(CrcDispatchTest, TiersFollowWhatTheProcessorOffers) {
    const std::vector<CrcTier> tiers = AvailableCrcTiers();
    const auto has = [&](CrcTier tier) {
        return std::find(tiers.begin(), tiers.end(), tier) != tiers.end();
    };
    __builtin_cpu_init();
    EXPECT_TRUE(has(CrcTier::Bytewise));
    EXPECT_TRUE(has(CrcTier::Slicing));
    EXPECT_EQ(has(CrcTier::Clmul),
              __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1"));
    EXPECT_EQ(has(CrcTier::Avx2Clmul), has(CrcTier::Clmul) && __builtin_cpu_supports("avx2") &&
                                           __builtin_cpu_supports("vpclmulqdq"));
    EXPECT_EQ(has(CrcTier::VectorClmul), has(CrcTier::Clmul) && __builtin_cpu_supports("avx512f") &&
                                             __builtin_cpu_supports("vpclmulqdq"));
    EXPECT_TRUE(std::is_sorted(tiers.begin(), tiers.end()));
    EXPECT_EQ(ActiveCrcTier(), tiers.back());
}

TEST(CrcDispatchTest, UpdateCrcRunsTheActiveTier) {
    BuildCrcTable();
    const std::vector<unsigned char> data = RandomBytes(100000, 5);
    EXPECT_EQ(UpdateCrc(0x1234, data.data(), data.size()),
              UpdateCrcWith(ActiveCrcTier(), 0x1234, data.data(), data.size()));
    EXPECT_EQ(UpdateCrc(0x1234, data.data(), data.size()),
              UpdateCrcBytewise(0x1234, data.data(), data.size()));
}

}  // namespace
