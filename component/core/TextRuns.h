#pragma once
// Splits text into runs that each draw in one font face. The caller lists
// its faces in order of preference (0 is the design face) and answers
// whether a face has a character; a run of one script takes the first face
// that has every letter of it, so a word never mixes faces, and spaces,
// digits, punctuation and marks stay with the letters around them.
// Surrogate pairs are one character and never split; an unpaired surrogate
// is a character of its own that no face has.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace quillnote::core {

// One character of UTF-16 text: its first unit, its length in units (2 for
// a surrogate pair, else 1) and its code point (an unpaired surrogate
// stands for itself).
struct CodePoint {
    std::size_t start;
    std::size_t length;
    char32_t value;
};
std::vector<CodePoint> codePoints(std::u16string_view text);

// The writing systems that fonts tend to cover together. Common characters
// (spaces, digits, punctuation, symbols, combining marks, controls) belong
// to the run around them.
enum class ScriptClass { Common, Latin, Greek, Cyrillic, Hebrew, Arabic, Cjk, Hangul, Other };
ScriptClass scriptClassOf(char32_t c);

// Controls (line breaks, tabs) are laid out, not drawn: every face "has" them.
bool isControl(char32_t c);
bool isSurrogate(char32_t c);

// A stretch of text in UTF-16 units, drawn in the face at `face`.
struct FaceRun {
    std::size_t start;
    std::size_t length;
    int face;
};

// Whether the face at an index has a glyph for a character.
using FaceCoverage = std::function<bool(int face, char32_t c)>;

// The runs of `text` over `faceCount` faces. A character no face has stays
// in the face of its run (face 0 when the run has none), where it shows
// as that face's missing glyph. Neighbouring runs of one face are merged.
std::vector<FaceRun> chooseFaces(std::u16string_view text, int faceCount, const FaceCoverage& has);

} // namespace quillnote::core
