#pragma once

#include <windows.h>

#include "ui/control_plan.h"

// The designed font for a screen of `dpi` dots per inch: the designed height scaled and
// rounded down, then lowered a pixel at a time for as long as the face's digits come out
// wider than their designed width scaled as the fields are. Hinting rounds every glyph's
// advance to whole pixels, so a face can be a sixth wider at one height than its share
// (the Tahoma that Wine ships has digits of 6 pixels at 11, 7 at 12 and 8 at 14 and 15):
// scaled with the fields alone, text would outgrow them at some resolutions. So text grows
// no faster than the fields, and what fits them at 96 dpi fits them at other resolutions
// up to the rounding of a field's width.
// The face is the plan's own where the system has it, else its fallback.
HFONT MakeFont(const FontPlan& font, UINT dpi);
