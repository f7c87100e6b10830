#include "engine/crc16.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

class Crc16Test : public ::testing::Test {
protected:
    void SetUp() override { BuildCrcTable(); }

    static std::uint16_t CrcOf(const std::string& text) {
        return UpdateCrc(kCrcInitial, text.data(), text.size());
    }
};

TEST_F(Crc16Test, TableHasTheReflectedPolynomialEntries) {
    EXPECT_EQ(g_crcTable[0], 0x0000);
    EXPECT_EQ(g_crcTable[1], 0x1189);
    EXPECT_EQ(g_crcTable[128], 0x8408);
    EXPECT_EQ(g_crcTable[255], 0x0F78);
}

TEST_F(Crc16Test, KnownAnswers) {
    EXPECT_EQ(CrcOf(""), 0xFFFF);
    EXPECT_EQ(CrcOf("123456789"), 0x6F91);
    EXPECT_EQ(CrcOf("abc"), 0x61DA);
    EXPECT_EQ(CrcOf("T"), 0x1B26);
    EXPECT_EQ(CrcOf("CatMouse987654321"), 0xF56E);
}

TEST_F(Crc16Test, IsNeitherOfTheNeighbouringParameterSets) {
    const std::string check = "123456789";
    EXPECT_NE(UpdateCrc(0, check.data(), check.size()), 0x6F91);  // initial value 0 gives 0x2189
    EXPECT_EQ(UpdateCrc(0, check.data(), check.size()), 0x2189);
    EXPECT_NE(CrcOf(check) ^ 0xFFFF, 0x6F91);
}

TEST_F(Crc16Test, FeedingInPiecesEqualsFeedingAtOnce) {
    std::mt19937 random(12345);
    std::vector<unsigned char> data(3000);
    for (auto& byte : data) {
        byte = static_cast<unsigned char>(random());
    }
    const std::uint16_t whole = UpdateCrcBytewise(kCrcInitial, data.data(), data.size());
    for (std::size_t split = 0; split <= data.size(); split += 7) {
        const std::uint16_t first = UpdateCrc(kCrcInitial, data.data(), split);
        EXPECT_EQ(UpdateCrc(first, data.data() + split, data.size() - split), whole) << split;
    }
}

TEST_F(Crc16Test, ZeroLengthLeavesTheCrcUnchanged) {
    EXPECT_EQ(UpdateCrc(0x1234, nullptr, 0), 0x1234);
}

TEST(FormatCrcHexTest, FourUpperCaseDigitsWithLeadingZeros) {
    EXPECT_EQ(FormatCrcHex(0x6F91), "6F91");
    EXPECT_EQ(FormatCrcHex(0x00FF), "00FF");
    EXPECT_EQ(FormatCrcHex(0x0000), "0000");
    EXPECT_EQ(FormatCrcHex(0xABCD), "ABCD");
}

}  // namespace
