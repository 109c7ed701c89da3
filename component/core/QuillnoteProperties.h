#pragma once
// The 20 properties of a Quillnote object: ten held by the object itself and
// ten held in the thread's shared settings. Constructing an object resets the
// shared settings of its thread.

#include "SharedSettings.h"
#include "Values.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillnote {

// Size of the platform's message icon and the screen's twips per pixel.
struct IconMetrics {
    int widthPixels = 32;
    int heightPixels = 32;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

class QuillnoteProperties {
public:
    // Runs the construction sequence: the object's fields and the thread's
    // shared settings take their initial values.
    QuillnoteProperties(SharedSettings& shared, const IconMetrics& icon);

    Colour backColorBody() const { return shared_.backColorBody; }
    void setBackColorBody(Colour v);
    Colour backColorButtons() const { return backColorButtons_; }
    void setBackColorButtons(Colour v);
    Colour backColorHeading() const { return shared_.backColorHeading; }
    void setBackColorHeading(Colour v);
    Colour foreColorBody() const { return foreColorBody_; }
    void setForeColorBody(Colour v);
    Colour foreColorHeading() const { return foreColorHeading_; }
    void setForeColorHeading(Colour v);

    Flag gradientPaint() const { return shared_.gradientPaint; }
    void setGradientPaint(Flag v) { shared_.gradientPaint = v; }
    std::int16_t gradientDirection() const { return shared_.gradientDirection; }
    void setGradientDirection(std::int16_t v);
    std::int16_t headingType() const { return shared_.headingType; }
    void setHeadingType(std::int16_t v);
    Flag solidColorHeading() const { return shared_.solidColorHeading; }
    void setSolidColorHeading(Flag v) { shared_.solidColorHeading = v; }
    std::int16_t textAlignment() const { return textAlignment_; }
    void setTextAlignment(std::int16_t v);
    Flag moveable() const { return shared_.moveable; }
    void setMoveable(Flag v) { shared_.moveable = v; }
    Flag keepOnTop() const { return shared_.keepOnTop; }
    void setKeepOnTop(Flag v) { shared_.keepOnTop = v; }
    Flag modal() const { return shared_.modal; }
    void setModal(Flag v) { shared_.modal = v; }
    std::int16_t timerSeconds() const { return shared_.timerSeconds; }
    void setTimerSeconds(std::int16_t v);
    Flag soundBeep() const { return soundBeep_; }
    void setSoundBeep(Flag v) { soundBeep_ = v; }
    Flag controlBox() const { return controlBox_; }
    void setControlBox(Flag v) { controlBox_ = v; }
    std::int16_t startUpPosition() const { return startUpPosition_; }
    void setStartUpPosition(std::int16_t v);
    std::int32_t top() const { return top_; }
    void setTop(std::int32_t v);
    std::int32_t left() const { return left_; }
    void setLeft(std::int32_t v);
    const std::u16string& defaultTitle() const { return defaultTitle_; }
    void setDefaultTitle(std::u16string v) { defaultTitle_ = std::move(v); }

    // Values for the layout.
    std::int32_t iconWidth() const { return iconWidth_; }
    std::int32_t iconHeight() const { return iconHeight_; }
    // Entry k of the icon table, counted from 1; empty for a missing entry.
    std::optional<std::int32_t> iconTableItem(int k) const;

    SharedSettings& shared() const { return shared_; }

private:
    SharedSettings& shared_;
    Colour foreColorBody_ = 0;
    Colour backColorButtons_ = 0;
    Colour foreColorHeading_ = 0;
    std::int32_t top_ = 0;
    std::int32_t left_ = 0;
    std::int32_t iconWidth_ = 0;
    std::int32_t iconHeight_ = 0;
    std::vector<std::int32_t> iconTable_;
    std::int16_t startUpPosition_ = 0;
    std::int16_t textAlignment_ = 0;
    Flag soundBeep_ = FlagFalse;
    Flag controlBox_ = FlagFalse;
    std::u16string defaultTitle_;
};

// System icon identifiers loaded for icon numbers 1 to 4 (hand, question,
// exclamation, asterisk).
constexpr std::int32_t IconTableEntries[] = {32513, 32514, 32515, 32516};

} // namespace quillnote
