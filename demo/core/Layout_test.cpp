#include "Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quillnote::demo {
namespace {

using C = Control;

std::string nameOf(Control c) { return "control " + std::to_string(static_cast<int>(c)); }

TEST(Layout, EveryControlLiesInsideItsFrameAndTheWindow)
{
    for (int i = 0; i < ControlCount; ++i) {
        const ControlRow& row = controlTable()[i];
        SCOPED_TRACE(nameOf(row.control));
        EXPECT_EQ(static_cast<int>(row.control), i);
        if (row.container != C::Window) {
            const ControlRow& frame = rowOf(row.container);
            EXPECT_EQ(frame.kind, ControlKind::Frame);
            EXPECT_LE(row.left + row.width, frame.width);
            EXPECT_LE(row.top + row.height, frame.height);
        }
        const TwipsRect rect = clientRectOf(row.control);
        EXPECT_GE(rect.left, 0);
        EXPECT_GE(rect.top, 0);
        EXPECT_LE(rect.right(), ClientWidth);
        EXPECT_LE(rect.bottom(), ClientHeight);
    }
}

TEST(Layout, ControlsOverlapAtMostByOnePixelRow)
{
    // The option buttons are 255 twips high at a spacing of 240: neighbours
    // share one row of pixels (15 twips). Nothing else overlaps.
    for (const ControlRow& a : controlTable()) {
        for (const ControlRow& b : controlTable()) {
            if (a.control >= b.control || a.kind == ControlKind::Frame || b.kind == ControlKind::Frame)
                continue;
            const TwipsRect ra = clientRectOf(a.control);
            const TwipsRect rb = clientRectOf(b.control);
            const int overlapX = std::min(ra.right(), rb.right()) - std::max(ra.left, rb.left);
            const int overlapY = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top, rb.top);
            EXPECT_FALSE(overlapX > 15 && overlapY > 15) << nameOf(a.control) << " and " << nameOf(b.control);
        }
    }
}

TEST(Layout, FramedControlsArePlacedFromTheFramesCorner)
{
    const TwipsRect left = clientRectOf(C::LeftPos);
    EXPECT_EQ(left.left, 120 + 510);
    EXPECT_EQ(left.top, 4545 + 840);
    const TwipsRect arrow = clientRectOf(C::DownArrow4);
    EXPECT_EQ(arrow.left, 120 + 6090);
    EXPECT_EQ(arrow.top, 2670 + 540);
    EXPECT_EQ(clientRectOf(C::DefaultOption0).height, 270);
    EXPECT_EQ(clientRectOf(C::Message).left, 960);
}

TEST(Layout, SwatchesAndUpDownsSitRightBesideTheirFields)
{
    for (const ColourField& field : colourFields()) {
        SCOPED_TRACE(nameOf(field.textBox));
        EXPECT_EQ(clientRectOf(field.swatch).left, clientRectOf(field.textBox).right());
        EXPECT_EQ(clientRectOf(field.swatch).top, clientRectOf(field.textBox).top);
        EXPECT_GE(clientRectOf(field.arrow).left, clientRectOf(field.swatch).right());
    }
    const std::pair<C, C> buddies[] = {{C::HeadingType, C::TypeUpDown},
                                       {C::TextAlignment, C::AlignUpDown},
                                       {C::GradientDirection, C::DirectionUpDown},
                                       {C::SPosition, C::PositionUpDown},
                                       {C::LeftPos, C::LeftUpDown},
                                       {C::TopPos, C::TopUpDown}};
    for (const auto& [buddy, upDown] : buddies) {
        EXPECT_EQ(clientRectOf(upDown).left, clientRectOf(buddy).right()) << nameOf(upDown);
        EXPECT_EQ(clientRectOf(upDown).top, clientRectOf(buddy).top) << nameOf(upDown);
    }
}

TEST(Layout, TabOrderAndTabStops)
{
    const std::vector<C> expected = {C::Message,
                                     C::Title,
                                     C::IconOption0,
                                     C::IconOption1,
                                     C::IconOption2,
                                     C::IconOption3,
                                     C::IconOption4,
                                     C::ButtonOption0,
                                     C::ButtonOption1,
                                     C::ButtonOption2,
                                     C::ButtonOption3,
                                     C::ButtonOption4,
                                     C::ButtonOption5,
                                     C::DefaultOption0,
                                     C::DefaultOption1,
                                     C::DefaultOption2,
                                     C::BackColorHeading,
                                     C::DownArrow0,
                                     C::ForeColorHeading,
                                     C::DownArrow3,
                                     C::BackColorBody,
                                     C::DownArrow1,
                                     C::ForeColorBody,
                                     C::DownArrow4,
                                     C::BackColorButtons,
                                     C::DownArrow2,
                                     C::TypeUpDown,
                                     C::AlignUpDown,
                                     C::SolidColorHeading,
                                     C::pControlBox,
                                     C::GradientPaint,
                                     C::DirectionUpDown,
                                     C::KeepOnTop,
                                     C::SoundBeep,
                                     C::PositionUpDown,
                                     C::LeftPos,
                                     C::LeftUpDown,
                                     C::TopPos,
                                     C::TopUpDown,
                                     C::pMoveable,
                                     C::Modal,
                                     C::TimerSeconds,
                                     C::ShowButton,
                                     C::ResetButton,
                                     C::ExitButton};
    EXPECT_EQ(tabOrder(), expected);
    std::set<int> indexes;
    for (const ControlRow& row : controlTable()) {
        if (row.tabIndex != NoTabIndex)
            EXPECT_TRUE(indexes.insert(row.tabIndex).second) << "tab index " << row.tabIndex << " twice";
        const bool skipped =
            row.kind == ControlKind::ArrowButton || row.control == C::LeftUpDown || row.control == C::TopUpDown;
        EXPECT_EQ(row.has(ControlOption::NoTabStop), skipped) << nameOf(row.control);
        EXPECT_EQ(row.has(ControlOption::DefaultButton), row.control == C::ShowButton) << nameOf(row.control);
    }
}

TEST(Layout, OptionGroupsAreTheOptionButtonsOfOneFrame)
{
    EXPECT_EQ(optionGroupOf(C::IconOption3),
              (std::vector<C>{C::IconOption0, C::IconOption1, C::IconOption2, C::IconOption3, C::IconOption4}));
    EXPECT_EQ(optionGroupOf(C::DefaultOption2),
              (std::vector<C>{C::DefaultOption0, C::DefaultOption1, C::DefaultOption2}));
    EXPECT_EQ(optionGroupOf(C::ButtonOption0).size(), 6u);
    EXPECT_TRUE(optionGroupOf(C::Modal).empty());
}

} // namespace
} // namespace quillnote::demo
