#pragma once
// The screen in twips (1440 to the inch), as the form layer measures it.

#include "Units.h"

namespace quillnote::forms {

struct Screen {
    static double twipsPerPixelX();
    static double twipsPerPixelY();
    static double width();  // twips
    static double height(); // twips
};

// The screen's units.
Units screenUnits();
// The screen's resolution (dots per inch) as this thread sees it.
int screenDpi();
// Units at a resolution.
Units unitsAt(int dpi);

} // namespace quillnote::forms
