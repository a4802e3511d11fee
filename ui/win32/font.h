#pragma once

#include <windows.h>

#include "ui/form_description.h"

// The designed font for a screen of `dpi` dots per inch: the designed height scaled, and
// then lowered a pixel at a time for as long as the face's digits come out wider than
// their designed width scaled by the same factor. Hinting rounds every glyph's advance to
// whole pixels, so a face can be a twelfth wider at one height than at the next (Tahoma's
// digits are 8 pixels wide at 14 and at 15 pixels, 0.57 and 0.53 of the height): scaled
// with the fields, text would outgrow them at some resolutions. So text never grows
// faster than the fields, and what fits at 96 dpi fits at every resolution.
HFONT MakeFont(const FontDescription& font, UINT dpi);
