#pragma once
// The text of a label laid out once and then measured and drawn from that
// one layout, so the label's size always covers what it draws.
//
// Text the design font has whole (every Latin message) is drawn with
// DrawTextW exactly as before. Any other text goes through Uniscribe:
// characters the design font lacks take a fallback face (see
// FallbackFonts), each line is itemized for its scripts and bidirectional
// levels, each piece of one item and one face is shaped and placed
// (Arabic joins, Hebrew and Arabic run right to left), and ScriptLayout
// puts the pieces of a line in visual order. A line is as tall as its
// tallest face, on one baseline. Lines break at CR LF, CR or LF, tabs stop
// every eight average characters of the design font, '&' is shown as it is.
//
// Why the label picks its faces itself instead of ScriptStringAnalyse's
// SSA_FALLBACK: Uniscribe falls back by script to a fixed set of Windows
// faces. Measured under Wine 8 with MS Sans Serif, that finds glyphs for
// Greek, Cyrillic, Hebrew and Arabic but leaves Chinese, Korean and emoji as
// boxes, because those faces are not there. Asking each face of an ordered
// list for its glyphs (GetGlyphIndicesW, and ScriptShape for characters
// beyond the Basic Multilingual Plane) works the same on Windows and Wine.

#include "FallbackFonts.h"
#include "Font.h"
#include "Gdi.h"

#include <usp10.h>

#include <memory>
#include <string>
#include <vector>

namespace quillnote::forms {

class LabelText {
public:
    // Lays `text` out in `design` (borrowed: it must outlive this), measured
    // on the screen.
    LabelText(HFONT design, std::wstring text);
    ~LabelText();
    LabelText(const LabelText&) = delete;
    LabelText& operator=(const LabelText&) = delete;

    // The widest line and the height of all lines, in pixels. Empty text
    // keeps the height of one line.
    SIZE size() const { return size_; }
    // Draws into `rect` aligned DT_LEFT, DT_RIGHT or DT_CENTER, in the DC's
    // text colour and background mode.
    void draw(HDC dc, const RECT& rect, UINT align) const;
    // Whether the design font has every character (the DrawTextW path).
    bool plain() const { return plain_; }

private:
    struct Piece {
        int face = 0;
        int x = 0; // from the line's left edge
        int ascent = 0;
        SCRIPT_ANALYSIS analysis = {};
        std::vector<WORD> glyphs;
        std::vector<int> advances;
        std::vector<GOFFSET> offsets;
    };
    struct Line {
        std::vector<Piece> pieces; // in visual order
        int width = 0;
        int ascent = 0;
        int height = 0;
    };

    void layOut(HDC dc);
    void findPlainLines(HDC dc);
    // Draws the plain text's lines that meet the DC's clip box; false when
    // that is all of them.
    bool drawPlainLinesInView(HDC dc, const RECT& rect, UINT align) const;
    Line layOutLine(HDC dc, std::size_t start, std::size_t end, const std::vector<int>& faceAt);
    int layOutCell(HDC dc, std::size_t start, std::size_t end, int x, const std::vector<int>& faceAt, Line& line);
    bool shape(HDC dc, std::size_t start, std::size_t end, Piece& piece);

    HFONT design_;
    std::wstring text_;
    bool plain_ = true;
    SIZE size_ = {0, 0};
    int tabWidth_ = 0;
    std::unique_ptr<FallbackFonts> fonts_;
    std::vector<Line> lines_;
    // Plain text: where each line starts, and the height of one line.
    std::vector<std::size_t> plainLineStarts_;
    int plainLineHeight_ = 0;
};

} // namespace quillnote::forms
