#include "CustomCaptions.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

const std::vector<std::u16string> YesNoCancel = {u"&Yes", u"&No", u"Cancel"};

TEST(CustomCaptions, EntriesReplaceTheStandardCaptionsByPosition)
{
    const struct {
        const char* name;
        std::u16string given;
        std::vector<std::u16string> expected;
    } cases[] = {
        {"none given", u"", YesNoCancel},
        {"all three", u"&Save|Do&n't save|Cancel", {u"&Save", u"Do&n't save", u"Cancel"}},
        {"an empty entry keeps the standard caption", u"&Save||Back", {u"&Save", u"&No", u"Back"}},
        {"a missing entry keeps it", u"&Save", {u"&Save", u"&No", u"Cancel"}},
        {"entries beyond the buttons are ignored", u"a|b|c|d|e", {u"a", u"b", u"c"}},
        {"only separators", u"||", YesNoCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(captionsOfButtons(c.given, YesNoCancel), c.expected);
    }
    EXPECT_TRUE(captionsOfButtons(u"a|b", {}).empty()) << "no buttons, no captions";
}

TEST(CustomCaptions, ALongCaptionIsCutWithAnEllipsis)
{
    const std::u16string fits(MaxCaptionLength, u'x');
    EXPECT_EQ(cutCaption(fits), fits);
    const std::u16string cut = cutCaption(fits + u"y");
    EXPECT_EQ(cut.size(), MaxCaptionLength);
    EXPECT_EQ(cut.back(), u'\u2026');
    EXPECT_EQ(cut.substr(0, MaxCaptionLength - 1), fits.substr(0, MaxCaptionLength - 1));
    EXPECT_EQ(captionsOfButtons(fits + u"yyy", {u"OK"})[0], cut);

    // Never between the halves of a surrogate pair.
    std::u16string emoji(MaxCaptionLength - 2, u'x');
    emoji += u"\U0001F600\U0001F600";
    const std::u16string cutEmoji = cutCaption(emoji);
    EXPECT_EQ(cutEmoji, std::u16string(MaxCaptionLength - 2, u'x') + u'\u2026');

    // A lone "&" before the ellipsis would make it the access key; "&&" is
    // a literal ampersand and stays.
    std::u16string lone(MaxCaptionLength - 2, u'x');
    lone += u"&yz";
    EXPECT_EQ(cutCaption(lone), std::u16string(MaxCaptionLength - 2, u'x') + u'\u2026');
    std::u16string doubled(MaxCaptionLength - 3, u'x');
    doubled += u"&&yz";
    EXPECT_EQ(cutCaption(doubled), std::u16string(MaxCaptionLength - 3, u'x') + u"&&" + u'\u2026');
}

TEST(CustomCaptions, CountdownFollowsTheCaption)
{
    EXPECT_EQ(countdownCaption(u"OK", 5), u"OK (5)");
    EXPECT_EQ(countdownCaption(u"&Save", 12), u"&Save (12)");
    EXPECT_EQ(countdownCaption(u"OK", 0), u"OK (0)");
}

} // namespace
} // namespace quillnote
