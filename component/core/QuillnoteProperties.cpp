#include "QuillnoteProperties.h"

#include "PropertyRules.h"
#include "Rounding.h"

namespace quillnote {

QuillnoteProperties::QuillnoteProperties(SharedSettings& shared, const IconMetrics& icon) : shared_(shared)
{
    // The order matters only in that it is the documented construction
    // sequence; every step writes a value of its own.
    setBackColorBody(Default::BackColorBody);
    setForeColorBody(Default::ForeColorBody);
    setBackColorButtons(Default::BackColorButtons);
    setBackColorHeading(Default::BackColorHeading);
    setForeColorHeading(Default::ForeColorHeading);

    shared_.moveable = Default::Moveable;
    shared_.keepOnTop = Default::KeepOnTop;
    controlBox_ = Default::ControlBox;
    shared_.headingType = Default::HeadingType;
    textAlignment_ = Default::TextAlignment;
    shared_.solidColorHeading = Default::SolidColorHeading;
    soundBeep_ = Default::SoundBeep;
    shared_.timerSeconds = Default::TimerSeconds;
    shared_.gradientPaint = Default::GradientPaint;

    setGradientDirection(Default::GradientDirection);

    shared_.modal = Default::Modal;
    startUpPosition_ = Default::StartUpPosition;
    top_ = Default::Top;
    left_ = Default::Left;
    defaultTitle_.clear();

    iconHeight_ = whole(icon.twipsPerPixelY * icon.heightPixels);
    iconWidth_ = whole(icon.twipsPerPixelX * icon.widthPixels);

    iconTable_.assign(std::begin(IconTableEntries), std::end(IconTableEntries));
}

void QuillnoteProperties::setBackColorBody(Colour v)
{
    shared_.backColorBody = storedColour(v, Default::BackColorBody);
}

void QuillnoteProperties::setBackColorButtons(Colour v)
{
    backColorButtons_ = storedColour(v, Default::BackColorButtons);
}

void QuillnoteProperties::setBackColorHeading(Colour v)
{
    shared_.backColorHeading = storedColour(v, Default::BackColorHeading);
}

void QuillnoteProperties::setForeColorBody(Colour v) { foreColorBody_ = storedColour(v, Default::ForeColorBody); }

void QuillnoteProperties::setForeColorHeading(Colour v)
{
    foreColorHeading_ = storedColour(v, Default::ForeColorHeading);
}

void QuillnoteProperties::setGradientDirection(std::int16_t v) { shared_.gradientDirection = gradientDirectionCode(v); }

void QuillnoteProperties::setHeadingType(std::int16_t v) { shared_.headingType = storedHeadingType(v); }
void QuillnoteProperties::setTextAlignment(std::int16_t v) { textAlignment_ = storedTextAlignment(v); }
void QuillnoteProperties::setTimerSeconds(std::int16_t v) { shared_.timerSeconds = storedTimerSeconds(v); }
void QuillnoteProperties::setStartUpPosition(std::int16_t v) { startUpPosition_ = storedStartUpPosition(v); }
void QuillnoteProperties::setTop(std::int32_t v) { top_ = storedPosition(v); }
void QuillnoteProperties::setLeft(std::int32_t v) { left_ = storedPosition(v); }

std::optional<std::int32_t> QuillnoteProperties::iconTableItem(int k) const
{
    if (k < 1 || static_cast<std::size_t>(k) > iconTable_.size())
        return std::nullopt;
    return iconTable_[static_cast<std::size_t>(k) - 1];
}

} // namespace quillnote
