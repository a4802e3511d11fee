#include "ui/win32/colour.h"

namespace {

// A window is drawn on the system's dialog colour (COLOR_BTNFACE), as the design asks.
int SystemColour(ColourRole role) {
  switch (role) {
    case ColourRole::WindowText:
    case ColourRole::FieldText:
      return COLOR_WINDOWTEXT;
    case ColourRole::Field:
      return COLOR_WINDOW;
    case ColourRole::ButtonText:
      return COLOR_BTNTEXT;
    case ColourRole::Window:
    case ColourRole::Button:
    case ColourRole::Fixed:
      break;
  }
  return COLOR_BTNFACE;
}

}  // namespace

COLORREF ColourOf(const Colour& colour) {
  if (colour.role != ColourRole::Fixed) return GetSysColor(SystemColour(colour.role));
  return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
}

HBRUSH BrushOf(const Colour& ground) {
  return GetSysColorBrush(SystemColour(ground.role));
}
