#include "engine/job_state.h"

#include <gtest/gtest.h>

#include "engine/job_report.h"

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
    CJobReport report;
    report.AddRow("big.iso", 0x1A2B, 5'000'000'000);
    report.AddRow("a.bin", 0x00FF, 5);
    JobReportLines lines = report.TakeLines();
    ASSERT_EQ(lines.nameList.GetCount(), 2u);
    ASSERT_EQ(lines.crcList.GetCount(), 2u);
    ASSERT_EQ(lines.sizeList.GetCount(), 2u);
    EXPECT_EQ(lines.sizeList.RemoveHead(), 5'000'000'000);
    EXPECT_EQ(lines.crcList.RemoveHead(), 0x1A2B);
    EXPECT_EQ(report.RowCount(), 0u);
}

TEST(JobStateTest, FlagsStartAtZero) {
    EXPECT_EQ(g_jobRunning.load(), 0);
    EXPECT_EQ(g_stopRequested.load(), 0);
}

}  // namespace
