#include "engine/job_state.h"

#include <gtest/gtest.h>

namespace {

TEST(JobListTest, OffersTheOperationsTheJobUses) {
    CStringList list;
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail("a");
    list.AddTail("b");
    EXPECT_EQ(list.RemoveHead(), "a");
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(list.GetHead(), "b");
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(JobStateTest, RowsStayParallelAndHold64BitSizes) {
    AppendRow("big.iso", 0x1A2B, 5'000'000'000);
    AppendRow("a.bin", 0x00FF, 5);
    ASSERT_EQ(g_nameList.GetCount(), 2u);
    ASSERT_EQ(g_crcList.GetCount(), 2u);
    ASSERT_EQ(g_sizeList.GetCount(), 2u);
    EXPECT_EQ(g_sizeList.RemoveHead(), 5'000'000'000);
    EXPECT_EQ(g_crcList.RemoveHead(), 0x1A2B);
    g_nameList.RemoveAll();
    g_crcList.RemoveAll();
    g_sizeList.RemoveAll();
}

TEST(JobStateTest, FlagsStartAtZero) {
    EXPECT_EQ(g_jobRunning.load(), 0);
    EXPECT_EQ(g_stopRequested.load(), 0);
}

}  // namespace
