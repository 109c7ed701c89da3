#include "ThemeColours.h"

#include "PropertyDefaults.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

DialogColours defaults()
{
    return colourChoice(Default::BackColorHeading, Default::ForeColorHeading, Default::BackColorBody,
                        Default::ForeColorBody, Default::BackColorButtons, false, true);
}

bool sameColours(const DialogColours& a, const DialogColours& b)
{
    return a.headingBack == b.headingBack && a.headingFore == b.headingFore && a.bodyBack == b.bodyBack &&
           a.bodyFore == b.bodyFore && a.buttonsBack == b.buttonsBack && a.buttonsFore == b.buttonsFore &&
           a.inactiveHeadingBack == b.inactiveHeadingBack && a.headingGradient == b.headingGradient &&
           a.bodyShading == b.bodyShading;
}

TEST(ThemeColours, ThemeZeroOnALightOrDarkSystemIsTheColoursAsSet)
{
    const DialogColours set = defaults();
    for (const SystemLook look : {SystemLook::Light, SystemLook::Dark}) {
        EXPECT_TRUE(sameColours(themedColours(set, 0, look), set));
        EXPECT_TRUE(sameColours(themedColours(set, 1, SystemLook::Light), set)) << "Theme 1 while the apps are light";
    }
    EXPECT_TRUE(sameColours(themedColours(set, 7, SystemLook::Dark), set)) << "an unknown theme";
}

TEST(ThemeColours, HighContrastGivesEverythingToTheSystemWhateverTheTheme)
{
    DialogColours set = defaults();
    set.bodyBack = 0x00FF00;
    set.headingFore = 0x0000FF;
    for (const std::int16_t theme : {std::int16_t{0}, std::int16_t{1}, std::int16_t{2}}) {
        const DialogColours shown = themedColours(set, theme, SystemLook::HighContrast);
        EXPECT_TRUE(isSystemColour(shown.headingBack) && isSystemColour(shown.headingFore) &&
                    isSystemColour(shown.bodyBack) && isSystemColour(shown.bodyFore) &&
                    isSystemColour(shown.buttonsBack) && isSystemColour(shown.buttonsFore))
            << "theme " << theme;
        EXPECT_FALSE(shown.headingGradient);
        EXPECT_FALSE(shown.bodyShading);
    }
}

TEST(ThemeColours, DarkThemesDarkenOnlyTheColoursLeftAtTheirDefaults)
{
    DialogColours set = defaults();
    set.bodyBack = 0x00C08040; // the caller's own body colour
    for (const auto& [theme, look] : {std::pair<std::int16_t, SystemLook>{2, SystemLook::Light},
                                      std::pair<std::int16_t, SystemLook>{1, SystemLook::Dark}}) {
        const DialogColours shown = themedColours(set, theme, look);
        EXPECT_EQ(shown.bodyBack, 0x00C08040) << "the caller's colour stays";
        EXPECT_EQ(shown.headingBack, DarkPalette::HeadingBack);
        EXPECT_EQ(shown.headingFore, DarkPalette::HeadingFore);
        EXPECT_EQ(shown.bodyFore, DarkPalette::BodyFore);
        EXPECT_EQ(shown.buttonsBack, DarkPalette::ButtonsBack);
        EXPECT_EQ(shown.buttonsFore, DarkPalette::ButtonsFore);
        EXPECT_EQ(shown.inactiveHeadingBack, DarkPalette::InactiveHeading);
        EXPECT_FALSE(shown.headingGradient) << "a dark heading is one colour";
        EXPECT_TRUE(shown.bodyShading) << "the caller's shading stays";
    }
    // Buttons the caller coloured keep the system's text colour.
    set.buttonsBack = 0x00FFFFFF;
    EXPECT_EQ(themedColours(set, 2, SystemLook::Light).buttonsFore, systemColour(SysColour::ButtonText));
}

TEST(ThemeColours, TheDarkPaletteMeetsTheTextContrastOfTheGuidelines)
{
    const struct {
        const char* name;
        Colour text, ground;
    } pairs[] = {
        {"heading", DarkPalette::HeadingFore, DarkPalette::HeadingBack},
        {"inactive heading", DarkPalette::HeadingFore, DarkPalette::InactiveHeading},
        {"message", DarkPalette::BodyFore, DarkPalette::BodyBack},
        {"buttons", DarkPalette::ButtonsFore, DarkPalette::ButtonsBack},
    };
    for (const auto& p : pairs)
        EXPECT_GE(
            contrastRatio(splitRgb(static_cast<std::uint32_t>(p.text)), splitRgb(static_cast<std::uint32_t>(p.ground))),
            4.5)
            << p.name;
    EXPECT_NEAR(contrastRatio(Rgb{0, 0, 0}, Rgb{255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Rgb{10, 20, 30}, Rgb{10, 20, 30}), 1.0, 1e-9);
}

} // namespace
} // namespace quillnote
