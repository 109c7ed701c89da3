#include "RowCoverage.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillnote {
namespace {

using Runs = std::vector<RowCoverage::Run>;

// The runs that cover() hands out to be painted.
Runs paintedBy(RowCoverage& coverage, int y, int a, int b)
{
    Runs painted;
    coverage.cover(y, a, b, [&](int from, int to) { painted.push_back({from, to}); });
    return painted;
}

TEST(RowCoverage, PaintsOnlyWhatIsNotCoveredAndThenCoversIt)
{
    RowCoverage coverage;
    EXPECT_EQ(paintedBy(coverage, 3, 10, 20), (Runs{{10, 20}}));
    EXPECT_EQ(paintedBy(coverage, 3, 10, 20), Runs{});
    EXPECT_EQ(paintedBy(coverage, 3, 15, 25), (Runs{{21, 25}}));
    EXPECT_EQ(paintedBy(coverage, 3, 0, 12), (Runs{{0, 9}}));
    EXPECT_EQ(coverage.runsOf(3), (Runs{{0, 25}}));
    // Rows are separate, and a row never drawn on is uncovered.
    EXPECT_TRUE(coverage.runsOf(2).empty());
    EXPECT_EQ(paintedBy(coverage, 2, 5, 5), (Runs{{5, 5}}));
}

TEST(RowCoverage, ARunOverSeveralGapsPaintsEachGapAndJoinsTheRuns)
{
    RowCoverage coverage;
    paintedBy(coverage, 0, 10, 12);
    paintedBy(coverage, 0, 20, 22);
    paintedBy(coverage, 0, 30, 32);
    EXPECT_EQ(paintedBy(coverage, 0, 5, 40), (Runs{{5, 9}, {13, 19}, {23, 29}, {33, 40}}));
    EXPECT_EQ(coverage.runsOf(0), (Runs{{5, 40}}));
}

TEST(RowCoverage, TouchingRunsJoinAndSeparateOnesStaySorted)
{
    RowCoverage coverage;
    paintedBy(coverage, 1, 50, 60);
    paintedBy(coverage, 1, 10, 20);
    paintedBy(coverage, 1, 21, 30); // touches 10..20
    paintedBy(coverage, 1, 70, 80);
    EXPECT_EQ(coverage.runsOf(1), (Runs{{10, 30}, {50, 60}, {70, 80}}));
    EXPECT_EQ(paintedBy(coverage, 1, 55, 75), (Runs{{61, 69}}));
    EXPECT_EQ(coverage.runsOf(1), (Runs{{10, 30}, {50, 80}}));
}

TEST(RowCoverage, EmptyRunsAndRowsAboveTheFirstChangeNothingAndRunsStartAtPixelZero)
{
    RowCoverage coverage;
    EXPECT_EQ(paintedBy(coverage, 4, -5, 3), (Runs{{0, 3}}));
    EXPECT_EQ(paintedBy(coverage, 5, 10, std::numeric_limits<int>::max()),
              (Runs{{10, std::numeric_limits<int>::max() - 1}}));
    EXPECT_EQ(paintedBy(coverage, 0, 9, 8), Runs{});
    EXPECT_EQ(paintedBy(coverage, -1, 0, 8), Runs{});
    EXPECT_TRUE(coverage.runsOf(0).empty());
    EXPECT_TRUE(coverage.runsOf(-1).empty());
}

} // namespace
} // namespace quillnote
