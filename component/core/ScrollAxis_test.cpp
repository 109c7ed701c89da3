#include "ScrollAxis.h"

#include <gtest/gtest.h>

#include <climits>

namespace quillnote {
namespace {

// 500 lines of 13 pixels seen through 600 pixels.
ScrollAxis tallText(int position = 0) { return ScrollAxis{6500, 600, 13, position}; }

TEST(ScrollAxisTest, ScrollsOnlyWhenTheTextReachesBeyondItsView)
{
    EXPECT_TRUE(tallText().scrolls());
    EXPECT_FALSE((ScrollAxis{600, 600, 13, 0}.scrolls()));
    EXPECT_FALSE((ScrollAxis{6500, 0, 13, 0}.scrolls())) << "no view: nothing to scroll";
    EXPECT_EQ(tallText().last(), 5900);
    EXPECT_EQ((ScrollAxis{100, 600, 13, 0}.last()), 0) << "a short text never scrolls past its start";
}

TEST(ScrollAxisTest, StepsAndPagesStopAtBothEnds)
{
    EXPECT_EQ(tallText().target(ScrollRequest::StepBack), 0);
    EXPECT_EQ(tallText().target(ScrollRequest::StepForward), 13);
    EXPECT_EQ(tallText(5895).target(ScrollRequest::StepForward), 5900);
    // A page keeps one line of the old view.
    EXPECT_EQ(tallText().target(ScrollRequest::PageForward), 587);
    EXPECT_EQ(tallText(587).target(ScrollRequest::PageBack), 0);
    EXPECT_EQ(tallText(5800).target(ScrollRequest::PageForward), 5900);
    EXPECT_EQ(tallText(100).target(ScrollRequest::PageBack), 0);
    EXPECT_EQ(tallText(300).target(ScrollRequest::Start), 0);
    EXPECT_EQ(tallText(300).target(ScrollRequest::End), 5900);
}

TEST(ScrollAxisTest, AViewSmallerThanAStepStillMoves)
{
    const ScrollAxis narrow{1000, 5, 13, 0};
    EXPECT_EQ(narrow.page(), 13);
    EXPECT_EQ(narrow.target(ScrollRequest::PageForward), 13);
    const ScrollAxis noStep{1000, 100, 0, 50};
    EXPECT_EQ(noStep.target(ScrollRequest::StepForward), 51) << "a step is at least one pixel";
}

TEST(ScrollAxisTest, PositionsFromOutsideAreClamped)
{
    EXPECT_EQ(tallText().target(ScrollRequest::To, -40), 0);
    EXPECT_EQ(tallText().target(ScrollRequest::To, 2000), 2000);
    EXPECT_EQ(tallText().target(ScrollRequest::To, LLONG_MAX), 5900);
    EXPECT_EQ(tallText().target(ScrollRequest::To, LLONG_MIN), 0);
    EXPECT_EQ(tallText(INT_MAX).target(ScrollRequest::StepForward), 5900) << "no overflow past the end";
}

TEST(ScrollAxisTest, TheWheelMovesThreeStepsPerNotch)
{
    EXPECT_EQ(tallText().wheelTarget(-120, 120), 39) << "towards the user: forward";
    EXPECT_EQ(tallText(100).wheelTarget(120, 120), 61);
    EXPECT_EQ(tallText().wheelTarget(-60, 120), 19) << "half a notch from a fine wheel";
    EXPECT_EQ(tallText(50).wheelTarget(INT_MIN, 120), 5900);
    EXPECT_EQ(tallText(50).wheelTarget(-120, 0), 50) << "no notch size: no move";
}

} // namespace
} // namespace quillnote
