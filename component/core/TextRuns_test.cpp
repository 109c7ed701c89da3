#include "core/TextRuns.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quillnote::core {
namespace {

// Faces described by the characters they have; face 0 has plain ASCII.
struct FakeFaces {
    std::vector<std::set<char32_t>> faces;
    FaceCoverage coverage() const
    {
        return [this](int face, char32_t c) {
            if (face == 0)
                return c < 0x80;
            return faces[static_cast<std::size_t>(face)].count(c) > 0;
        };
    }
    int count() const { return static_cast<int>(faces.size()); }
};

std::vector<int> facesOf(const std::vector<FaceRun>& runs)
{
    std::vector<int> faces;
    for (const FaceRun& run : runs)
        faces.push_back(run.face);
    return faces;
}

std::u16string piece(std::u16string_view text, const FaceRun& run)
{
    return std::u16string(text.substr(run.start, run.length));
}

TEST(CodePoints, ASurrogatePairIsOneCharacter)
{
    const std::vector<CodePoint> points = codePoints(u"a\U0001F600b");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].start, 1u);
    EXPECT_EQ(points[1].length, 2u);
    EXPECT_EQ(points[1].value, U'\U0001F600');
    EXPECT_EQ(points[2].start, 3u);
    EXPECT_EQ(points[2].value, U'b');
}

TEST(CodePoints, UnpairedSurrogatesStandForThemselves)
{
    const std::u16string text = {u'a', char16_t(0xD83D), u'b', char16_t(0xDE00), char16_t(0xD800)};
    const std::vector<CodePoint> points = codePoints(text);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points[1].value, 0xD83Du);
    EXPECT_EQ(points[1].length, 1u);
    EXPECT_EQ(points[3].value, 0xDE00u);
    EXPECT_EQ(points[4].value, 0xD800u);
    EXPECT_EQ(points[4].length, 1u);
}

TEST(ScriptClasses, LettersOfEachScript)
{
    EXPECT_EQ(scriptClassOf(U'A'), ScriptClass::Latin);
    EXPECT_EQ(scriptClassOf(U'\u00E9'), ScriptClass::Latin);
    EXPECT_EQ(scriptClassOf(U'\u0151'), ScriptClass::Latin);
    EXPECT_EQ(scriptClassOf(U'\u03B1'), ScriptClass::Greek);
    EXPECT_EQ(scriptClassOf(U'\u0416'), ScriptClass::Cyrillic);
    EXPECT_EQ(scriptClassOf(U'\u05D0'), ScriptClass::Hebrew);
    EXPECT_EQ(scriptClassOf(U'\u0627'), ScriptClass::Arabic);
    EXPECT_EQ(scriptClassOf(U'\u4E2D'), ScriptClass::Cjk);
    EXPECT_EQ(scriptClassOf(U'\u3042'), ScriptClass::Cjk);
    EXPECT_EQ(scriptClassOf(U'\uD55C'), ScriptClass::Hangul);
    EXPECT_EQ(scriptClassOf(U'\U0001F600'), ScriptClass::Other);
    for (const char32_t c : {U' ', U'1', U',', U'\t', U'\n', U'\u00A0', U'\u2014', U'\u20AC', U'\u0301'})
        EXPECT_EQ(scriptClassOf(c), ScriptClass::Common) << static_cast<unsigned>(c);
}

TEST(ChooseFaces, TextTheDesignFaceHasIsOneRunInIt)
{
    FakeFaces faces{{{}, {U'\u05D0'}}};
    const std::u16string text = u"Message Text, 2 lines\r\nand a tab\t.";
    const std::vector<FaceRun> runs = chooseFaces(text, faces.count(), faces.coverage());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].face, 0);
    EXPECT_EQ(runs[0].length, text.size());
}

TEST(ChooseFaces, AWordTakesTheFirstFaceThatHasAllOfIt)
{
    // Face 1 has only part of the Greek word, face 2 all of it, face 3 too.
    FakeFaces faces{{{}, {U'\u03B1'}, {U'\u03B1', U'\u03B2', U'!', U' '}, {U'\u03B1', U'\u03B2'}}};
    const std::u16string text = u"Hi \u03B1\u03B2\u03B1! Bye";
    const std::vector<FaceRun> runs = chooseFaces(text, faces.count(), faces.coverage());
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(facesOf(runs), (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(piece(text, runs[0]), u"Hi ");
    // The punctuation and the space after the word stay with it.
    EXPECT_EQ(piece(text, runs[1]), u"\u03B1\u03B2\u03B1! ");
    EXPECT_EQ(piece(text, runs[2]), u"Bye");
}

TEST(ChooseFaces, OneWordTheDesignFaceLacksMovesAloneNotTheSentence)
{
    FakeFaces faces{{{}, {U'S', U'z', U'\u0151', U'l', U' '}}};
    const std::u16string text = u"Hello Sz\u0151l\u0151 world";
    const std::vector<FaceRun> runs = chooseFaces(text, faces.count(), faces.coverage());
    EXPECT_EQ(facesOf(runs), (std::vector<int>{0, 1, 0}));
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(piece(text, runs[1]), u"Sz\u0151l\u0151 ");
}

TEST(ChooseFaces, EachScriptFindsItsOwnFace)
{
    FakeFaces faces{{{}, {U'\u05E9', U'\u05DC', U' '}, {U'\u4E2D', U'\u6587'}, {U'\uD55C', U'\uAD6D', U' '}}};
    const std::u16string text = u"\u05E9\u05DC \u4E2D\u6587 \uD55C\uAD6D ok";
    // A space the word's face lacks goes to the first face that has it.
    EXPECT_EQ(facesOf(chooseFaces(text, faces.count(), faces.coverage())), (std::vector<int>{1, 2, 0, 3, 0}));
}

TEST(ChooseFaces, ASurrogatePairIsNeverSplit)
{
    FakeFaces faces{{{}, {U'\U0001F600'}}};
    const std::u16string text = u"a\U0001F600\U0001F600b";
    const std::vector<FaceRun> runs = chooseFaces(text, faces.count(), faces.coverage());
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(facesOf(runs), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(runs[1].start, 1u);
    EXPECT_EQ(runs[1].length, 4u);
}

TEST(ChooseFaces, AnUnpairedSurrogateStaysInItsRunAndNoFaceIsAskedForIt)
{
    std::set<char32_t> asked;
    const FaceCoverage coverage = [&](int face, char32_t c) {
        asked.insert(c);
        return face == 0 && c < 0x80;
    };
    const std::u16string text = {u'a', char16_t(0xDE00), u'b', char16_t(0xD83D)};
    const std::vector<FaceRun> runs = chooseFaces(text, 3, coverage);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].face, 0);
    EXPECT_EQ(runs[0].length, text.size());
    EXPECT_EQ(asked.count(0xDE00), 0u);
    EXPECT_EQ(asked.count(0xD83D), 0u);
}

TEST(ChooseFaces, ACharacterNoFaceHasStaysInTheFaceOfItsWord)
{
    FakeFaces faces{{{}, {U'\u03B1'}}};
    const std::u16string text = u"\u03B1\u03B1\u03B2 x";
    const std::vector<FaceRun> runs = chooseFaces(text, faces.count(), faces.coverage());
    // No face has the whole word: each letter takes the first face with it,
    // the one nobody has stays in the design face.
    EXPECT_EQ(facesOf(runs), (std::vector<int>{1, 0}));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(piece(text, runs[0]), u"\u03B1\u03B1");
}

TEST(ChooseFaces, EmptyTextHasNoRuns)
{
    EXPECT_TRUE(chooseFaces(u"", 2, [](int, char32_t) { return true; }).empty());
}

} // namespace
} // namespace quillnote::core
