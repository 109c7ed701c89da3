#pragma once
// How the user's system looks: high contrast on, or the apps' light or dark
// mode (the user's "AppsUseLightTheme" setting; light where it is not set).

#include "core/ThemeColours.h"

namespace quillnote {

SystemLook currentSystemLook();

} // namespace quillnote
