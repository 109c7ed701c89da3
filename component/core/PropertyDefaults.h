#pragma once
// Every property's value for a new object, and the codes of the properties
// whose numbers name a choice. The shared settings, the setters' fallbacks,
// the dialog's design state and the layout all take them from here.

#include "Values.h"

#include <cstdint>

namespace quillnote {

// Start-up positions by name.
namespace StartUp {
constexpr std::int16_t Manual = 0;
constexpr std::int16_t CenterOfForm = 1;
constexpr std::int16_t CenterOfScreen = 2;
} // namespace StartUp

// Text alignments by name.
namespace TextAlign {
constexpr std::int16_t Left = 0;
constexpr std::int16_t Right = 1;
constexpr std::int16_t Centre = 2;
} // namespace TextAlign

// Heading types by name.
namespace Heading {
constexpr std::int16_t Flat = 0;
constexpr std::int16_t Etched = 1; // three lines under the heading
} // namespace Heading

namespace Default {
constexpr Colour BackColorBody = systemColour(SysColour::ButtonFace);
constexpr Colour BackColorButtons = systemColour(SysColour::ButtonFace);
constexpr Colour BackColorHeading = systemColour(SysColour::ActiveCaption);
constexpr Colour ForeColorBody = systemColour(SysColour::ButtonText);
constexpr Colour ForeColorHeading = systemColour(SysColour::HighlightText);
constexpr std::int16_t GradientDirection = 1; // top to bottom
constexpr std::int16_t HeadingType = Heading::Flat;
constexpr std::int16_t TextAlignment = TextAlign::Left;
constexpr std::int16_t StartUpPosition = StartUp::CenterOfScreen;
constexpr std::int16_t TimerSeconds = 0;
constexpr std::int32_t Top = 0;
constexpr std::int32_t Left = 0;
constexpr Flag Moveable = FlagFalse;
constexpr Flag KeepOnTop = FlagTrue;
constexpr Flag ControlBox = FlagTrue;
constexpr Flag SolidColorHeading = FlagFalse;
constexpr Flag SoundBeep = FlagTrue;
constexpr Flag GradientPaint = FlagFalse;
constexpr Flag Modal = FlagTrue;
} // namespace Default

} // namespace quillnote
