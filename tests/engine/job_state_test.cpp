#include "engine/job_state.h"

#include <gtest/gtest.h>

namespace {

TEST(JobListTest, OffersTheOperationsTheJobUses) {
    CStringList list;
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail("a");
    list.AddTail("b");
    list.AddTail("c");
    EXPECT_EQ(list.RemoveTail(), "c");
    EXPECT_EQ(list.RemoveHead(), "a");
    CStringList copy;
    copy.AddTail("x");
    copy.AddTail(list);
    EXPECT_EQ(copy.GetCount(), 2u);
    EXPECT_EQ(copy.GetHead(), "x");
    EXPECT_EQ(copy.GetTail(), "b");
    EXPECT_EQ(list.GetCount(), 1u);  // the appended list is unchanged
    copy.RemoveAll();
    EXPECT_TRUE(copy.IsEmpty());
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
