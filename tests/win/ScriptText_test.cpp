// Messages and headings in other scripts, seen in the pixels of the real
// dialog: every letter shows the glyph of a face that has it (never the
// design font's missing-glyph box), in the first fallback face that has the
// whole word, right-to-left words in visual order, a character beyond the
// Basic Multilingual Plane as one glyph, and the dialog sized to all of it.
// Latin text keeps the design font, pixel for pixel.

#include "DialogTest.h"
#include "MemoryPicture.h"
#include "forms/FallbackFonts.h"
#include "win/Bstr.h"

#include <usp10.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace quillnote::test {
namespace {

// Where a picture differs from its paper: the ink of text, one flag a pixel.
struct Ink {
    int width = 0;
    int height = 0;
    std::vector<char> on;

    bool at(int x, int y) const { return on[static_cast<std::size_t>(y) * width + x] != 0; }
    int count() const { return static_cast<int>(std::count(on.begin(), on.end(), 1)); }
    RECT bounds() const
    {
        RECT r = {width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (at(x, y))
                    r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                         std::max<LONG>(r.bottom, y + 1)};
        return r;
    }
    // The ink inside its bounds.
    Ink cropped() const
    {
        const RECT r = bounds();
        Ink out;
        out.width = std::max<int>(0, r.right - r.left);
        out.height = std::max<int>(0, r.bottom - r.top);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                out.on.push_back(at(x, y) ? 1 : 0);
        return out;
    }
    bool operator==(const Ink& other) const { return width == other.width && height == other.height && on == other.on; }
    bool operator!=(const Ink& other) const { return !(*this == other); }
};

// The ink of a picture: every pixel that is not its paper.
Ink inkOn(const MemoryPicture& picture, DWORD paper)
{
    picture.flush();
    Ink ink;
    ink.width = picture.width();
    ink.height = picture.height();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink.on.push_back(picture.pixel(x, y) != paper ? 1 : 0);
    return ink;
}

COLORREF fromDib(DWORD pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

// What a window shows in its client area above `bottom`, with the colours
// of its paper (the commonest colour) and of its text (the next commonest).
struct Shown {
    Ink ink;
    COLORREF paper = 0;
    COLORREF text = 0;
};

Shown capture(HWND window, int bottom)
{
    RECT client = {};
    GetClientRect(window, &client);
    const int height = std::min<int>(bottom, client.bottom);
    // Without the last columns, where the body's right edge is shaded.
    client.right = std::max<LONG>(1, client.right - 8);
    MemoryPicture picture(client.right, height);
    HDC dc = GetDC(window);
    BitBlt(picture.dc(), 0, 0, client.right, height, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    GdiFlush();
    std::map<DWORD, int> colours;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < client.right; ++x)
            ++colours[picture.pixel(x, y)];
    std::vector<std::pair<int, DWORD>> byCount;
    for (const auto& [colour, count] : colours)
        byCount.emplace_back(count, colour);
    std::sort(byCount.rbegin(), byCount.rend());
    Shown shown;
    const DWORD paper = byCount.empty() ? 0 : byCount[0].second;
    shown.ink = inkOn(picture, paper);
    shown.paper = fromDib(paper);
    shown.text = fromDib(byCount.size() > 1 ? byCount[1].second : paper);
    return shown;
}

HFONT createFace(const std::wstring& face, int weight)
{
    LOGFONTW lf = {};
    lf.lfHeight = -11; // 8.25 points at 96 DPI, as the dialog's fonts
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

// Text drawn by the platform's own ScriptString functions (which itemize,
// shape, place and order it themselves) in one face, with no fallback, in
// the colours the dialog used.
Ink rendered(const std::wstring& face, int weight, const std::wstring& text, const Shown& like)
{
    MemoryPicture picture(40 + 24 * static_cast<int>(text.size()), 40);
    RECT all = {0, 0, 40 + 24 * static_cast<int>(text.size()), 40};
    HBRUSH paper = CreateSolidBrush(like.paper);
    FillRect(picture.dc(), &all, paper);
    DeleteObject(paper);
    HFONT font = createFace(face, weight);
    HGDIOBJ old = SelectObject(picture.dc(), font);
    SetBkMode(picture.dc(), TRANSPARENT);
    SetTextColor(picture.dc(), like.text);
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    if (SUCCEEDED(ScriptStringAnalyse(picture.dc(), text.c_str(), static_cast<int>(text.size()),
                                      static_cast<int>(text.size()) * 3 / 2 + 16, -1, SSA_GLYPHS, 0, nullptr, nullptr,
                                      nullptr, nullptr, nullptr, &analysis))) {
        ScriptStringOut(analysis, 8, 8, 0, nullptr, 0, 0, FALSE);
        ScriptStringFree(&analysis);
    }
    SelectObject(picture.dc(), old);
    DeleteObject(font);
    GdiFlush();
    picture.flush();
    const DWORD paperPixel = picture.pixel(0, 0);
    return inkOn(picture, paperPixel).cropped();
}

// Where `glyph` (cropped ink) stands in `ink`: every pixel of the glyph is
// inked there, and few others inside its bounds (a neighbouring glyph of a
// tightly set script may reach into them). The top left corner of every
// place.
std::vector<POINT> find(const Ink& ink, const Ink& glyph)
{
    std::vector<POINT> places;
    if (glyph.width == 0 || glyph.height == 0)
        return places;
    for (int y = 0; y + glyph.height <= ink.height; ++y)
        for (int x = 0; x + glyph.width <= ink.width; ++x) {
            bool covered = true;
            int extra = 0;
            for (int gy = 0; gy < glyph.height && covered; ++gy)
                for (int gx = 0; gx < glyph.width && covered; ++gx) {
                    covered = ink.at(x + gx, y + gy) || !glyph.at(gx, gy);
                    extra += ink.at(x + gx, y + gy) && !glyph.at(gx, gy) ? 1 : 0;
                }
            if (covered && extra * 8 <= glyph.width * glyph.height)
                places.push_back(POINT{x, y});
        }
    return places;
}

// The left edge of the one place of `glyph` in `ink`; -1 when it is not
// there or not once.
int findOne(const Ink& ink, const Ink& glyph)
{
    const std::vector<POINT> places = find(ink, glyph);
    return places.size() == 1 ? places[0].x : -1;
}

// The first of the dialog's fallback faces that is installed and draws
// `text` (one character) as something other than its own missing glyph.
std::wstring fallbackFaceDrawing(const std::wstring& text, const Shown& like)
{
    for (const std::wstring& face : forms::FallbackFonts::faces()) {
        HDC dc = GetDC(nullptr);
        HFONT font = createFace(face, FW_NORMAL);
        HGDIOBJ old = SelectObject(dc, font);
        wchar_t realized[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, realized);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
        if (lstrcmpiW(realized, face.c_str()) != 0)
            continue;
        const Ink drawn = rendered(face, FW_NORMAL, text, like);
        if (drawn.count() > 0 && !(drawn == rendered(face, FW_NORMAL, L"\xFFFF", like)))
            return face;
    }
    return L"";
}

// Whether a face is installed under its own name and has every character.
bool faceHasAll(const std::wstring& face, int weight, const std::wstring& text)
{
    HDC dc = GetDC(nullptr);
    HFONT font = createFace(face, weight);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t realized[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, realized);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return lstrcmpiW(realized, face.c_str()) == 0 &&
           std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

// The face the dialog must choose for a word the design font lacks: the
// first of its fallback faces that is installed and has all of it.
std::wstring fallbackFaceFor(const std::wstring& word, int weight = FW_NORMAL)
{
    for (const std::wstring& face : forms::FallbackFonts::faces())
        if (faceHasAll(face, weight, word))
            return face;
    return L"";
}

const std::wstring DesignFace = L"MS Sans Serif";

class ScriptTextTest : public DialogTest {
protected:
    // Shows `message` with an OK button and no icon under `heading`, and
    // captures the message's area of the body (above the buttons' gap) and
    // the heading strip.
    void show(const std::wstring& message, const std::wstring& heading = L"Heading")
    {
        const win::Bstr title = win::Bstr::copyOf(std::wstring_view(heading));
        box_->put_DefaultTitle(title.get());
        dialog_ = showModeless(message, 0);
        ASSERT_NE(dialog_, nullptr);
        view_ = viewOf(dialog_);
        ASSERT_FALSE(view_.buttons.empty());
        POINT buttonTop = {view_.buttons[0].rect.left, view_.buttons[0].rect.top};
        ScreenToClient(view_.body, &buttonTop);
        body_ = capture(view_.body, buttonTop.y - 12);
        RECT strip = {};
        GetClientRect(view_.headingStrip, &strip);
        heading_ = capture(view_.headingStrip, strip.bottom);
    }
    void TearDown() override
    {
        close(dialog_);
        DialogTest::TearDown();
    }
    // One glyph (or word) as the dialog's body would draw it in `face`.
    Ink glyph(const std::wstring& face, const std::wstring& text) const
    {
        return rendered(face, FW_NORMAL, text, body_);
    }

    HWND dialog_ = nullptr;
    DialogView view_;
    Shown body_;
    Shown heading_;
};

std::string art(const Ink& ink)
{
    std::string out = "\n";
    for (int y = 0; y < ink.height; ++y) {
        for (int x = 0; x < ink.width; ++x)
            out += ink.at(x, y) ? '#' : '.';
        out += "\n";
    }
    return out;
}

struct Sample {
    const char* script;
    std::wstring word;
};

const Sample LetterSamples[] = {
    {"Greek", L"\x039A\x03CC\x03C3\x03BC\x03B5"},
    {"Cyrillic", L"\x041F\x0440\x0438\x0432\x0435\x0442"},
    {"Chinese", L"\x4E2D\x6587\x6D4B\x8BD5"},
    {"Japanese", L"\x3053\x3093\x306B\x3061\x306F"},
    {"Korean", L"\xD55C\xAD6D\xC5B4"},
};

TEST_F(ScriptTextTest, EveryLetterShowsItsGlyphInTheFirstFallbackFaceThatHasTheWord)
{
    for (const Sample& sample : LetterSamples) {
        SCOPED_TRACE(sample.script);
        const std::wstring face = fallbackFaceFor(sample.word);
        ASSERT_FALSE(face.empty()) << "no installed face has the sample";
        EXPECT_FALSE(faceHasAll(DesignFace, FW_NORMAL, sample.word));
        show(sample.word);
        int last = -1;
        for (const wchar_t letter : sample.word) {
            SCOPED_TRACE(static_cast<int>(letter));
            const int at = findOne(body_.ink, glyph(face, std::wstring(1, letter)));
            EXPECT_GT(at, last) << "the letter's glyph in " << std::string(face.begin(), face.end())
                                << " is not where it belongs";
            last = std::max(last, at);
        }
        // The whole word as the platform draws it in that face.
        EXPECT_EQ(body_.ink.cropped(), glyph(face, sample.word))
            << art(body_.ink.cropped()) << art(glyph(face, sample.word));
        close(dialog_);
        dialog_ = nullptr;
    }
}

TEST_F(ScriptTextTest, ArabicIsJoinedAndRightToLeftInItsFallbackFace)
{
    const std::wstring word = L"\x0645\x0631\x062D\x0628\x0627"; // marhaban
    const std::wstring face = fallbackFaceFor(word);
    ASSERT_FALSE(face.empty());
    show(word);
    // ScriptString shapes and orders the word itself: the dialog's pixels
    // are the same.
    EXPECT_EQ(body_.ink.cropped(), glyph(face, word));
    // Joined: not the letters kept apart by zero-width non-joiners.
    std::wstring apart;
    for (const wchar_t letter : word)
        apart += std::wstring(1, letter) + L"\x200C";
    EXPECT_NE(body_.ink.cropped(), glyph(face, apart));
}

TEST_F(ScriptTextTest, HebrewIsDrawnRightToLeftAlsoInsideALatinLine)
{
    const std::wstring alef = L"\x05D0", bet = L"\x05D1", gimel = L"\x05D2";
    const std::wstring face = fallbackFaceFor(alef + bet + gimel);
    ASSERT_FALSE(face.empty());

    show(alef + bet + gimel);
    const int a = findOne(body_.ink, glyph(face, alef));
    const int b = findOne(body_.ink, glyph(face, bet));
    const int g = findOne(body_.ink, glyph(face, gimel));
    ASSERT_GE(g, 0);
    EXPECT_GT(a, b) << "the first letter is drawn rightmost";
    EXPECT_GT(b, g);
    close(dialog_);

    show(L"ab " + alef + bet + gimel + L" cd");
    std::vector<int> order;
    for (const wchar_t* latin : {L"a", L"b"})
        order.push_back(findOne(body_.ink, glyph(DesignFace, latin)));
    for (const std::wstring& hebrew : {gimel, bet, alef})
        order.push_back(findOne(body_.ink, glyph(face, hebrew)));
    for (const wchar_t* latin : {L"c", L"d"})
        order.push_back(findOne(body_.ink, glyph(DesignFace, latin)));
    EXPECT_EQ(std::count(order.begin(), order.end(), -1), 0) << "a glyph is missing";
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << "not a b gimel bet alef c d from left to right";
}

TEST_F(ScriptTextTest, LatinTextKeepsTheDesignFontPixelForPixel)
{
    show(L"Message Text");
    EXPECT_EQ(body_.ink.cropped(), glyph(DesignFace, L"Message Text")) << art(body_.ink);
    close(dialog_);

    // Latin words beside Cyrillic ones keep the design font too.
    const std::wstring cyrillic = L"\x041F\x0440\x0438\x0432\x0435\x0442";
    show(L"Hello " + cyrillic);
    EXPECT_GE(findOne(body_.ink, glyph(DesignFace, L"Hello")), 0);
    EXPECT_GE(findOne(body_.ink, glyph(fallbackFaceFor(cyrillic), cyrillic)), 0);
}

TEST_F(ScriptTextTest, ACharacterBeyondTheBasicPlaneIsOneGlyph)
{
    const std::wstring smiley = L"\xD83D\xDE00"; // U+1F600
    show(L"x" + smiley + L"y");
    const int x = findOne(body_.ink, glyph(DesignFace, L"x"));
    const int y = findOne(body_.ink, glyph(DesignFace, L"y"));
    EXPECT_GE(x, 0);
    EXPECT_GT(y, x);
    const std::wstring face = fallbackFaceDrawing(smiley, body_);
    ASSERT_FALSE(face.empty()) << "no installed face has U+1F600";
    EXPECT_GT(findOne(body_.ink, glyph(face, smiley)), x);
    close(dialog_);

    show(smiley);
    // One glyph of a face that has it: the same pixels as the platform's,
    // not the design font's missing glyphs.
    EXPECT_EQ(body_.ink.cropped(), glyph(face, smiley));
    EXPECT_NE(body_.ink.cropped(), glyph(DesignFace, smiley));
}

TEST_F(ScriptTextTest, UnpairedSurrogatesShowTheRestOfTheMessage)
{
    for (const std::wstring& message :
         {std::wstring(L"a\xD800z"), std::wstring(L"a\xDC00z"), std::wstring(L"\xDE00"), std::wstring(L"az\xD83D")}) {
        show(message);
        EXPECT_TRUE(IsWindow(dialog_));
        if (message.size() > 1) {
            EXPECT_GE(findOne(body_.ink, glyph(DesignFace, L"a")), 0);
            EXPECT_GE(findOne(body_.ink, glyph(DesignFace, L"z")), 0);
        }
        close(dialog_);
        dialog_ = nullptr;
    }
}

TEST_F(ScriptTextTest, TheDialogFitsTallerFallbackLinesAndLongOnes)
{
    // Seven different characters, each once a line, in a face taller than
    // the design font here.
    const std::wstring line = L"\x4E2D\x6587\x6D4B\x8BD5\x540D\x5B57\x8A9E";
    const std::wstring face = fallbackFaceFor(line);
    ASSERT_FALSE(face.empty());
    show(line + L"\r\n" + line + L"\r\n" + line + L"\r\n" + line + L"\r\n" + line);
    // Every line whole: all five show their first and last glyphs.
    EXPECT_EQ(find(body_.ink, glyph(face, line.substr(0, 1))).size(), 5u);
    EXPECT_EQ(find(body_.ink, glyph(face, line.substr(line.size() - 1))).size(), 5u);
    const RECT inkBounds = body_.ink.bounds();
    EXPECT_LT(inkBounds.right, body_.ink.width - 4) << "the longest line is cut at the right";
    EXPECT_LT(inkBounds.bottom, body_.ink.height) << "the last line is cut at the bottom";
}

// The left and right edges of the ink in rows [top, bottom).
std::pair<int, int> inkEdges(const Ink& ink, int top, int bottom)
{
    int left = ink.width, right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (ink.at(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

TEST_F(ScriptTextTest, FallbackLinesKeepTheTextAlignment)
{
    const std::wstring word = L"\x039A\x03CC\x03C3\x03BC\x03B5";
    const struct {
        const char* name;
        short alignment;
    } cases[] = {{"left", 0}, {"right", 1}, {"centre", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        box_->put_TextAlignment(c.alignment);
        show(word + L"\r\n" + word + L" " + word + L" " + word);
        const RECT bounds = body_.ink.bounds();
        const int middle = (bounds.top + bounds.bottom) / 2;
        const auto [shortLeft, shortRight] = inkEdges(body_.ink, bounds.top, middle);
        const auto [longLeft, longRight] = inkEdges(body_.ink, middle, bounds.bottom);
        ASSERT_GT(longRight - longLeft, 2 * (shortRight - shortLeft)) << "not two lines";
        if (c.alignment == 0)
            EXPECT_EQ(shortLeft, longLeft);
        else if (c.alignment == 1)
            EXPECT_NEAR(shortRight, longRight, 1);
        else
            EXPECT_NEAR(shortLeft + shortRight, longLeft + longRight, 2);
        close(dialog_);
        dialog_ = nullptr;
    }
}

TEST_F(ScriptTextTest, AHeadingInAnotherScriptShowsBoldGlyphsOfAFallbackFace)
{
    const std::wstring word = L"\x0395\x03BB\x03BB\x03AC\x03B4\x03B1"; // Ellada
    const std::wstring face = fallbackFaceFor(word, FW_BOLD);
    ASSERT_FALSE(face.empty());
    // A heading of one colour, so that its text stands out pixel for pixel.
    box_->put_SolidColorHeading(VARIANT_TRUE);
    box_->put_GradientPaint(VARIANT_FALSE);
    show(L"Message", word);
    const Ink expected = rendered(face, FW_BOLD, word, heading_);
    EXPECT_GE(findOne(heading_.ink, expected), 0) << "the heading in bold " << std::string(face.begin(), face.end());
}

} // namespace
} // namespace quillnote::test
