#include "LabelText.h"

#include "core/TextRuns.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace quillnote::forms {

namespace {

std::u16string_view portable(const std::wstring& text)
{
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// The cheap test that keeps a Latin message on the DrawTextW path: one
// GetGlyphIndicesW call, and no surrogate (the design font is a bitmap font
// of one code page).
bool designFontHasAll(HDC dc, const std::wstring& text)
{
    for (const wchar_t unit : text)
        if (core::isSurrogate(unit))
            return false;
    std::vector<WORD> glyphs(text.size());
    if (GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) ==
        GDI_ERROR)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (glyphs[i] == 0xFFFF && !core::isControl(text[i]))
            return false;
    return true;
}

TEXTMETRICW metricsOf(HDC dc, HFONT font)
{
    SelectGuard select(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    return metrics;
}

} // namespace

LabelText::LabelText(HFONT design, std::wstring text) : design_(design), text_(std::move(text))
{
    // A memory DC measures as the screen does, without asking the window
    // system for the screen's DC.
    const UniqueMemoryDc measuring(CreateCompatibleDC(nullptr));
    const HDC dc = measuring.get();
    if (!dc)
        return;
    SelectGuard select(dc, design_);
    if (text_.empty()) {
        size_.cy = metricsOf(dc, design_).tmHeight;
        return;
    }
    plain_ = designFontHasAll(dc, text_);
    if (plain_) {
        RECT rect = {0, 0, 0, 0};
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &rect, LabelTextFlags | DT_CALCRECT);
        size_ = {rect.right - rect.left, rect.bottom - rect.top};
        findPlainLines(dc);
        return;
    }
    layOut(dc);
}

LabelText::~LabelText() = default;

// Lines start as DrawTextW breaks them: after CR LF, CR or LF, a break at
// the very end starting no line. Each is as tall as the design font.
void LabelText::findPlainLines(HDC dc)
{
    plainLineHeight_ = metricsOf(dc, design_).tmHeight;
    plainLineStarts_.push_back(0);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] != L'\r' && text_[i] != L'\n')
            continue;
        if (text_[i] == L'\r' && i + 1 < text_.size() && text_[i + 1] == L'\n')
            ++i;
        if (i + 1 < text_.size())
            plainLineStarts_.push_back(i + 1);
    }
}

// A long message shown through a small view repaints in the time of the
// lines in view, not of all of them: the lines outside the clip box are not
// handed to DrawTextW at all.
bool LabelText::drawPlainLinesInView(HDC dc, const RECT& rect, UINT align) const
{
    RECT clip = {};
    const std::size_t count = plainLineStarts_.size();
    if (count < 2 || plainLineHeight_ <= 0 || GetClipBox(dc, &clip) == ERROR)
        return false;
    const long long height = static_cast<long long>(plainLineHeight_);
    const long long fromTop = static_cast<long long>(clip.top) - rect.top;
    const long long toBottom = static_cast<long long>(clip.bottom) - rect.top;
    const std::size_t first = static_cast<std::size_t>(std::clamp<long long>(fromTop / height, 0, count));
    const std::size_t last =
        static_cast<std::size_t>(std::clamp<long long>((toBottom + height - 1) / height, 0, count));
    if (first == 0 && last == count)
        return false;
    if (first >= last)
        return true;
    const std::size_t start = plainLineStarts_[first];
    const std::size_t end = last < count ? plainLineStarts_[last] : text_.size();
    RECT target = rect;
    target.top = static_cast<LONG>(rect.top + static_cast<long long>(first) * height);
    SelectGuard select(dc, design_);
    DrawTextW(dc, text_.c_str() + start, static_cast<int>(end - start), &target, LabelTextFlags | align);
    return true;
}

void LabelText::layOut(HDC dc)
{
    fonts_ = std::make_unique<FallbackFonts>(design_);
    tabWidth_ = std::max(1, 8 * static_cast<int>(metricsOf(dc, design_).tmAveCharWidth));
    std::vector<int> faceAt(text_.size(), 0);
    const core::FaceCoverage coverage = [&](int face, char32_t c) { return fonts_->has(dc, face, c); };
    for (const core::FaceRun& run : core::chooseFaces(portable(text_), fonts_->count(), coverage))
        std::fill_n(faceAt.begin() + static_cast<std::ptrdiff_t>(run.start), run.length, run.face);

    // As DrawTextW counts lines: a line break at the very end adds no line.
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text_.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text_.size();
        lines_.push_back(layOutLine(dc, start, end, faceAt));
        if (end == text_.size())
            break;
        start = end + ((text_[end] == L'\r' && end + 1 < text_.size() && text_[end + 1] == L'\n') ? 2 : 1);
        if (start == text_.size())
            break;
    }
    for (const Line& line : lines_) {
        size_.cx = std::max<LONG>(size_.cx, line.width);
        size_.cy += line.height;
    }
}

LabelText::Line LabelText::layOutLine(HDC dc, std::size_t start, std::size_t end, const std::vector<int>& faceAt)
{
    Line line;
    const TEXTMETRICW design = metricsOf(dc, design_);
    int ascent = design.tmAscent;
    int descent = design.tmDescent;
    int x = 0;
    for (std::size_t cell = start; cell <= end;) {
        std::size_t cellEnd = text_.find(L'\t', cell);
        if (cellEnd == std::wstring::npos || cellEnd > end)
            cellEnd = end;
        if (cell > start)
            x = (x / tabWidth_ + 1) * tabWidth_;
        x = layOutCell(dc, cell, cellEnd, x, faceAt, line);
        cell = cellEnd + 1;
    }
    for (const Piece& piece : line.pieces) {
        const TEXTMETRICW metrics = metricsOf(dc, fonts_->font(dc, piece.face));
        ascent = std::max<int>(ascent, metrics.tmAscent);
        descent = std::max<int>(descent, metrics.tmDescent);
    }
    line.width = x;
    line.ascent = ascent;
    line.height = ascent + descent;
    for (Piece& piece : line.pieces)
        piece.ascent = metricsOf(dc, fonts_->font(dc, piece.face)).tmAscent;
    return line;
}

// One stretch between tabs: itemized with a left-to-right paragraph level,
// cut where the face changes, shaped, and placed in visual order from `x`.
// Returns where it ends.
int LabelText::layOutCell(HDC dc, std::size_t start, std::size_t end, int x, const std::vector<int>& faceAt, Line& line)
{
    const int length = static_cast<int>(end - start);
    if (length <= 0)
        return x;
    std::vector<SCRIPT_ITEM> items(static_cast<std::size_t>(length) + 2);
    int itemCount = 0;
    if (FAILED(ScriptItemize(text_.c_str() + start, length, static_cast<int>(items.size()) - 1, nullptr, nullptr,
                             items.data(), &itemCount)))
        return x;

    std::vector<Piece> pieces;
    for (int i = 0; i < itemCount; ++i) {
        const std::size_t itemEnd = start + static_cast<std::size_t>(items[static_cast<std::size_t>(i) + 1].iCharPos);
        std::size_t from = start + static_cast<std::size_t>(items[static_cast<std::size_t>(i)].iCharPos);
        while (from < itemEnd) {
            std::size_t to = from + 1;
            while (to < itemEnd && faceAt[to] == faceAt[from])
                ++to;
            Piece piece;
            piece.face = faceAt[from];
            piece.analysis = items[static_cast<std::size_t>(i)].a;
            if (shape(dc, from, to, piece))
                pieces.push_back(std::move(piece));
            from = to;
        }
    }
    if (pieces.empty())
        return x;

    std::vector<BYTE> levels;
    for (const Piece& piece : pieces)
        levels.push_back(static_cast<BYTE>(piece.analysis.s.uBidiLevel));
    std::vector<int> visualToLogical(pieces.size());
    if (FAILED(ScriptLayout(static_cast<int>(pieces.size()), levels.data(), visualToLogical.data(), nullptr)))
        std::iota(visualToLogical.begin(), visualToLogical.end(), 0);
    for (const int logical : visualToLogical) {
        Piece& piece = pieces[static_cast<std::size_t>(logical)];
        piece.x = x;
        x += std::accumulate(piece.advances.begin(), piece.advances.end(), 0);
        line.pieces.push_back(std::move(piece));
    }
    return x;
}

// Shapes and places one piece in its face. A face without the shaping
// rules of the piece's script (USP_E_SCRIPT_NOT_IN_FONT) still shows its
// glyphs, shaped as plain characters.
bool LabelText::shape(HDC dc, std::size_t start, std::size_t end, Piece& piece)
{
    HFONT font = fonts_->font(dc, piece.face);
    if (!font)
        return false;
    SelectGuard select(dc, font);
    SCRIPT_CACHE* cache = fonts_->cache(piece.face);
    const int length = static_cast<int>(end - start);
    std::vector<WORD> clusters(static_cast<std::size_t>(length));
    std::vector<SCRIPT_VISATTR> attributes;
    int glyphCount = 0;
    HRESULT hr = E_OUTOFMEMORY;
    for (int capacity = length * 3 / 2 + 16; hr == E_OUTOFMEMORY && capacity <= length * 8 + 64; capacity *= 2) {
        piece.glyphs.resize(static_cast<std::size_t>(capacity));
        attributes.resize(static_cast<std::size_t>(capacity));
        hr = ScriptShape(dc, cache, text_.c_str() + start, length, capacity, &piece.analysis, piece.glyphs.data(),
                         clusters.data(), attributes.data(), &glyphCount);
        if (hr == USP_E_SCRIPT_NOT_IN_FONT) {
            piece.analysis.eScript = SCRIPT_UNDEFINED;
            hr = ScriptShape(dc, cache, text_.c_str() + start, length, capacity, &piece.analysis, piece.glyphs.data(),
                             clusters.data(), attributes.data(), &glyphCount);
        }
    }
    if (FAILED(hr) || glyphCount <= 0)
        return false;
    piece.glyphs.resize(static_cast<std::size_t>(glyphCount));
    piece.advances.resize(piece.glyphs.size());
    piece.offsets.resize(piece.glyphs.size());
    ABC abc = {};
    return SUCCEEDED(ScriptPlace(dc, cache, piece.glyphs.data(), glyphCount, attributes.data(), &piece.analysis,
                                 piece.advances.data(), piece.offsets.data(), &abc));
}

void LabelText::draw(HDC dc, const RECT& rect, UINT align) const
{
    if (text_.empty())
        return;
    if (plain_) {
        if (drawPlainLinesInView(dc, rect, align))
            return;
        RECT target = rect;
        SelectGuard select(dc, design_);
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &target, LabelTextFlags | align);
        return;
    }
    SavedDc saved(dc);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const int width = rect.right - rect.left;
    int top = rect.top;
    for (const Line& line : lines_) {
        int left = rect.left;
        if (align & DT_RIGHT)
            left += width - line.width;
        else if (align & DT_CENTER)
            left += (width - line.width) / 2;
        for (const Piece& piece : line.pieces) {
            SelectObject(dc, fonts_->font(dc, piece.face));
            ScriptTextOut(dc, fonts_->cache(piece.face), left + piece.x, top + line.ascent - piece.ascent, 0, nullptr,
                          &piece.analysis, nullptr, 0, piece.glyphs.data(), static_cast<int>(piece.glyphs.size()),
                          piece.advances.data(), nullptr, piece.offsets.data());
        }
        top += line.height;
    }
}

} // namespace quillnote::forms
