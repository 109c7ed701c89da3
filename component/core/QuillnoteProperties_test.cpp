#include "PropertyRules.h"
#include "QuillnoteProperties.h"

#include <gtest/gtest.h>

#include <thread>

namespace quillnote {
namespace {

constexpr Colour Sys(int index) { return systemColour(index); }

TEST(QuillnoteProperties, NewObjectHasTheDocumentedDefaults)
{
    SharedSettings shared;
    shared.timerSeconds = 99; // a stale value that construction must reset
    QuillnoteProperties p(shared, IconMetrics{});

    EXPECT_EQ(p.backColorBody(), static_cast<Colour>(0x8000000F));
    EXPECT_EQ(p.backColorButtons(), static_cast<Colour>(0x8000000F));
    EXPECT_EQ(p.backColorHeading(), static_cast<Colour>(0x80000002));
    EXPECT_EQ(p.foreColorBody(), static_cast<Colour>(0x80000012));
    EXPECT_EQ(p.foreColorHeading(), static_cast<Colour>(0x8000000E));
    EXPECT_EQ(p.gradientPaint(), FlagFalse);
    EXPECT_EQ(p.gradientDirection(), 1);
    EXPECT_EQ(p.headingType(), 0);
    EXPECT_EQ(p.solidColorHeading(), FlagFalse);
    EXPECT_EQ(p.textAlignment(), 0);
    EXPECT_EQ(p.moveable(), FlagFalse);
    EXPECT_EQ(p.keepOnTop(), FlagTrue);
    EXPECT_EQ(p.modal(), FlagTrue);
    EXPECT_EQ(p.timerSeconds(), 0);
    EXPECT_EQ(p.soundBeep(), FlagTrue);
    EXPECT_EQ(p.controlBox(), FlagTrue);
    EXPECT_EQ(p.startUpPosition(), 2);
    EXPECT_EQ(p.top(), 0);
    EXPECT_EQ(p.left(), 0);
    EXPECT_TRUE(p.defaultTitle().empty());
}

TEST(QuillnoteProperties, IconSizeAndTableFollowTheScreen)
{
    SharedSettings shared;
    QuillnoteProperties p(shared, IconMetrics{32, 48, 15.0, 12.0});
    EXPECT_EQ(p.iconWidth(), 480);
    EXPECT_EQ(p.iconHeight(), 576);
    EXPECT_EQ(p.iconTableItem(1), 32513);
    EXPECT_EQ(p.iconTableItem(2), 32514);
    EXPECT_EQ(p.iconTableItem(3), 32515);
    EXPECT_EQ(p.iconTableItem(4), 32516);
    EXPECT_FALSE(p.iconTableItem(0).has_value());
    EXPECT_FALSE(p.iconTableItem(5).has_value());
    EXPECT_FALSE(p.iconTableItem(-1).has_value());
}

TEST(QuillnoteProperties, ColourSettersReplaceOnlyMinusOne)
{
    SharedSettings shared;
    QuillnoteProperties p(shared, IconMetrics{});
    struct Case {
        const char* name;
        void (QuillnoteProperties::*set)(Colour);
        Colour (QuillnoteProperties::*get)() const;
        Colour fallback;
    } cases[] = {
        {"BackColorBody", &QuillnoteProperties::setBackColorBody, &QuillnoteProperties::backColorBody, Sys(15)},
        {"BackColorButtons", &QuillnoteProperties::setBackColorButtons, &QuillnoteProperties::backColorButtons,
         Sys(15)},
        {"BackColorHeading", &QuillnoteProperties::setBackColorHeading, &QuillnoteProperties::backColorHeading, Sys(2)},
        {"ForeColorBody", &QuillnoteProperties::setForeColorBody, &QuillnoteProperties::foreColorBody, Sys(18)},
        {"ForeColorHeading", &QuillnoteProperties::setForeColorHeading, &QuillnoteProperties::foreColorHeading,
         Sys(14)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        (p.*c.set)(-1);
        EXPECT_EQ((p.*c.get)(), c.fallback);
        (p.*c.set)(-2);
        EXPECT_EQ((p.*c.get)(), -2);
        (p.*c.set)(0x00FF00);
        EXPECT_EQ((p.*c.get)(), 0x00FF00);
        (p.*c.set)(Sys(5));
        EXPECT_EQ((p.*c.get)(), Sys(5));
    }
}

TEST(QuillnoteProperties, GradientDirectionStoresThePainterCode)
{
    SharedSettings shared;
    QuillnoteProperties p(shared, IconMetrics{});
    const std::pair<std::int16_t, std::int16_t> cases[] = {
        {0, 1}, {17, 1}, {-3, 1}, {-32768, 1}, {32767, 1}, {1, 1},   {2, 2},   {3, 3},   {4, 4},   {5, 6},   {6, 5},
        {7, 8}, {8, 7},  {9, 10}, {10, 9},     {11, 12},   {12, 11}, {13, 14}, {14, 13}, {15, 16}, {16, 15},
    };
    for (const auto& [written, stored] : cases) {
        SCOPED_TRACE(written);
        p.setGradientDirection(written);
        EXPECT_EQ(p.gradientDirection(), stored);
        EXPECT_EQ(shared.gradientDirection, stored);
    }
}

TEST(QuillnoteProperties, RangeFallbacks)
{
    SharedSettings shared;
    QuillnoteProperties p(shared, IconMetrics{});

    p.setHeadingType(1);
    EXPECT_EQ(p.headingType(), 1);
    p.setHeadingType(2);
    EXPECT_EQ(p.headingType(), 0);
    p.setHeadingType(-1);
    EXPECT_EQ(p.headingType(), 0);

    p.setTextAlignment(2);
    EXPECT_EQ(p.textAlignment(), 2);
    p.setTextAlignment(3);
    EXPECT_EQ(p.textAlignment(), 0);
    p.setTextAlignment(2);
    p.setTextAlignment(-1);
    EXPECT_EQ(p.textAlignment(), 0);

    p.setStartUpPosition(0);
    EXPECT_EQ(p.startUpPosition(), 0);
    p.setStartUpPosition(3);
    EXPECT_EQ(p.startUpPosition(), 2);
    p.setStartUpPosition(0);
    p.setStartUpPosition(-1);
    EXPECT_EQ(p.startUpPosition(), 2);

    p.setTimerSeconds(-5);
    EXPECT_EQ(p.timerSeconds(), 0);
    p.setTimerSeconds(32767);
    EXPECT_EQ(p.timerSeconds(), 32767);

    p.setTop(-1);
    EXPECT_EQ(p.top(), 0);
    p.setTop(2147483647);
    EXPECT_EQ(p.top(), 2147483647);
    p.setLeft(-2147483647 - 1);
    EXPECT_EQ(p.left(), 0);
    p.setLeft(12000);
    EXPECT_EQ(p.left(), 12000);
}

TEST(QuillnoteProperties, BooleansAreStoredUnchanged)
{
    SharedSettings shared;
    QuillnoteProperties p(shared, IconMetrics{});
    p.setModal(1);
    EXPECT_EQ(p.modal(), 1);
    EXPECT_TRUE(isSet(p.modal()));
    p.setSoundBeep(0);
    EXPECT_FALSE(isSet(p.soundBeep()));
    p.setMoveable(7);
    EXPECT_EQ(p.moveable(), 7);
    p.setControlBox(-2);
    EXPECT_EQ(p.controlBox(), -2);
}

TEST(QuillnoteProperties, CreatingAnObjectResetsTheSharedSettingsOnly)
{
    SharedSettings shared;
    QuillnoteProperties a(shared, IconMetrics{});
    a.setModal(FlagFalse);
    a.setTimerSeconds(9);
    a.setBackColorHeading(0x123456);
    a.setGradientDirection(5);
    a.setControlBox(FlagFalse);
    a.setTop(300);
    a.setDefaultTitle(u"mine");

    QuillnoteProperties b(shared, IconMetrics{});
    // Shared settings are back at their defaults, seen through both objects.
    EXPECT_EQ(a.modal(), FlagTrue);
    EXPECT_EQ(a.timerSeconds(), 0);
    EXPECT_EQ(a.backColorHeading(), Sys(2));
    EXPECT_EQ(a.gradientDirection(), 1);
    // A's own fields keep what A set.
    EXPECT_EQ(a.controlBox(), FlagFalse);
    EXPECT_EQ(a.top(), 300);
    EXPECT_EQ(a.defaultTitle(), u"mine");
    EXPECT_EQ(b.controlBox(), FlagTrue);

    b.setKeepOnTop(FlagFalse);
    EXPECT_EQ(a.keepOnTop(), FlagFalse);
}

TEST(QuillnoteProperties, ConstructionLeavesDialogValuesAlone)
{
    SharedSettings shared;
    shared.resultCode = 6;
    shared.iconHandle = 0x1234;
    shared.iconIndex = 2;
    QuillnoteProperties p(shared, IconMetrics{});
    EXPECT_EQ(shared.resultCode, 6);
    EXPECT_EQ(shared.iconHandle, 0x1234u);
    EXPECT_EQ(shared.iconIndex, 2);
}

TEST(QuillnoteProperties, DefaultTitleKeepsItsOwnCopy)
{
    SharedSettings shared;
    QuillnoteProperties p(shared, IconMetrics{});
    std::u16string title = u"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1 \u65e5\u672c";
    title.push_back(u'\0');
    title += u"tail";
    p.setDefaultTitle(title);
    title[0] = u'X';
    EXPECT_EQ(p.defaultTitle().size(), 14u);
    EXPECT_EQ(p.defaultTitle()[0], u'\u0395');
    EXPECT_EQ(p.defaultTitle().substr(10), u"tail");
}

TEST(SharedSettings, EachThreadHasItsOwnCopy)
{
    threadSharedSettings().timerSeconds = 42;
    int seenOnOtherThread = -1;
    std::thread([&] { seenOnOtherThread = threadSharedSettings().timerSeconds; }).join();
    EXPECT_EQ(seenOnOtherThread, 0);
    EXPECT_EQ(threadSharedSettings().timerSeconds, 42);
}

} // namespace
} // namespace quillnote
