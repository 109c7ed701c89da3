#include "TextRuns.h"

#include <algorithm>

namespace quillnote::core {

namespace {

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool within(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

bool isAsciiLetter(char32_t c) { return within(c, U'A', U'Z') || within(c, U'a', U'z'); }

// Spaces that end a word: the letters after one start a run of their own,
// so that one word a face lacks does not move a whole sentence to another
// face.
bool endsWord(char32_t c) { return c == U' ' || isControl(c) || within(c, 0x2000, 0x200A) || c == 0x3000; }

// The first face that has `c`; -1 when none has.
int firstFaceWith(char32_t c, int faceCount, const FaceCoverage& has)
{
    for (int face = 0; face < faceCount; ++face)
        if (has(face, c))
            return face;
    return -1;
}

// Controls are in every face; an unpaired surrogate is in none, and no face
// is asked about it.
bool faceHas(int face, char32_t c, const FaceCoverage& has)
{
    if (isSurrogate(c))
        return false;
    return isControl(c) || has(face, c);
}

// A stretch of characters of one script class, indexes into the code points.
struct ScriptRun {
    std::size_t first;
    std::size_t end;
};

// Words of one script class. Common characters join the run before them;
// leading ones join the first letters after them.
std::vector<ScriptRun> scriptRuns(const std::vector<CodePoint>& points)
{
    std::vector<ScriptRun> runs;
    ScriptClass current = ScriptClass::Common;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ScriptClass cls = scriptClassOf(points[i].value);
        const bool newWord = i > 0 && endsWord(points[i - 1].value) && cls != ScriptClass::Common;
        if (runs.empty()) {
            runs.push_back({i, i + 1});
            current = cls;
        } else if (cls == ScriptClass::Common || current == ScriptClass::Common || (cls == current && !newWord)) {
            runs.back().end = i + 1;
            if (current == ScriptClass::Common)
                current = cls;
        } else {
            runs.push_back({i, i + 1});
            current = cls;
        }
    }
    return runs;
}

// The first face that has every letter of the run; -1 when none has.
int faceForRun(const std::vector<CodePoint>& points, const ScriptRun& run, int faceCount, const FaceCoverage& has)
{
    for (int face = 0; face < faceCount; ++face) {
        bool all = true;
        for (std::size_t i = run.first; i < run.end && all; ++i) {
            const char32_t c = points[i].value;
            if (scriptClassOf(c) != ScriptClass::Common)
                all = faceHas(face, c, has);
        }
        if (all)
            return face;
    }
    return -1;
}

void append(std::vector<FaceRun>& runs, const CodePoint& point, int face)
{
    if (!runs.empty() && runs.back().face == face && runs.back().start + runs.back().length == point.start)
        runs.back().length += point.length;
    else
        runs.push_back({point.start, point.length, face});
}

} // namespace

bool isSurrogate(char32_t c) { return within(c, 0xD800, 0xDFFF); }

bool isControl(char32_t c) { return c < 0x20 || within(c, 0x7F, 0x9F); }

std::vector<CodePoint> codePoints(std::u16string_view text)
{
    std::vector<CodePoint> points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const char32_t value = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            points.push_back({i, 2, value});
            i += 2;
        } else {
            points.push_back({i, 1, unit});
            ++i;
        }
    }
    return points;
}

ScriptClass scriptClassOf(char32_t c)
{
    if (c < 0x80)
        return isAsciiLetter(c) ? ScriptClass::Latin : ScriptClass::Common;
    if (within(c, 0xC0, 0x24F) && c != 0xD7 && c != 0xF7)
        return ScriptClass::Latin;
    if (within(c, 0x80, 0xBF) || c == 0xD7 || c == 0xF7)
        return ScriptClass::Common;
    if (within(c, 0x300, 0x36F)) // combining diacritical marks
        return ScriptClass::Common;
    if (within(c, 0x370, 0x3FF) || within(c, 0x1F00, 0x1FFF))
        return ScriptClass::Greek;
    if (within(c, 0x400, 0x52F) || within(c, 0x2DE0, 0x2DFF) || within(c, 0xA640, 0xA69F))
        return ScriptClass::Cyrillic;
    if (within(c, 0x590, 0x5FF) || within(c, 0xFB1D, 0xFB4F))
        return ScriptClass::Hebrew;
    if (within(c, 0x600, 0x6FF) || within(c, 0x750, 0x77F) || within(c, 0x8A0, 0x8FF) || within(c, 0xFB50, 0xFDFF) ||
        within(c, 0xFE70, 0xFEFF))
        return c == 0xFEFF ? ScriptClass::Common : ScriptClass::Arabic;
    if (within(c, 0x1E00, 0x1EFF) || within(c, 0x2C60, 0x2C7F) || within(c, 0xA720, 0xA7FF))
        return ScriptClass::Latin;
    if (within(c, 0x1100, 0x11FF) || within(c, 0x3130, 0x318F) || within(c, 0xA960, 0xA97F) ||
        within(c, 0xAC00, 0xD7FF))
        return ScriptClass::Hangul;
    if (within(c, 0x2E80, 0x2FFF) || within(c, 0x3000, 0x312F) || within(c, 0x3190, 0x31FF) ||
        within(c, 0x3400, 0x4DBF) || within(c, 0x4E00, 0x9FFF) || within(c, 0xF900, 0xFAFF) ||
        within(c, 0xFF00, 0xFFEF) || within(c, 0x20000, 0x3FFFF))
        return ScriptClass::Cjk;
    // General punctuation, currency, letterlike symbols, arrows, operators,
    // variation selectors, U+FFF0 to U+FFFF and unpaired surrogates.
    if (within(c, 0x2000, 0x20FF) || within(c, 0x2100, 0x23FF) || within(c, 0xFE00, 0xFE0F) ||
        within(c, 0xFFF0, 0xFFFF) || isSurrogate(c))
        return ScriptClass::Common;
    return ScriptClass::Other;
}

std::vector<FaceRun> chooseFaces(std::u16string_view text, int faceCount, const FaceCoverage& has)
{
    const std::vector<CodePoint> points = codePoints(text);
    std::vector<FaceRun> runs;
    faceCount = std::max(faceCount, 1);
    for (const ScriptRun& run : scriptRuns(points)) {
        const int runFace = faceForRun(points, run, faceCount, has);
        for (std::size_t i = run.first; i < run.end; ++i) {
            const char32_t c = points[i].value;
            int face = runFace;
            if (face < 0 || !faceHas(face, c, has)) {
                // Only where the run's face lacks the character: the first
                // face that has it, else the run's own (or the design face).
                const int other = isSurrogate(c) ? -1 : firstFaceWith(c, faceCount, has);
                face = other >= 0 ? other : std::max(runFace, 0);
            }
            append(runs, points[i], face);
        }
    }
    return runs;
}

} // namespace quillnote::core
