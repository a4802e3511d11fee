#include "ui/qt/colour.h"

namespace {

// A fixed colour keeps the role the widget already draws its text with.
QPalette::ColorRole RoleOf(ColourRole role, QPalette::ColorRole fixed) {
  switch (role) {
    case ColourRole::WindowText:
      return QPalette::WindowText;
    case ColourRole::Window:
      return QPalette::Window;
    case ColourRole::FieldText:
      return QPalette::Text;
    case ColourRole::Field:
      return QPalette::Base;
    case ColourRole::ButtonText:
      return QPalette::ButtonText;
    case ColourRole::Button:
      return QPalette::Button;
    case ColourRole::Fixed:
      break;
  }
  return fixed;
}

}  // namespace

void ApplyGround(QWidget& widget, const Colour& ground) {
  widget.setBackgroundRole(RoleOf(ground.role, widget.backgroundRole()));
}

void ApplyColours(QWidget& widget, const Colour& text, const Colour& ground) {
  widget.setForegroundRole(RoleOf(text.role, widget.foregroundRole()));
  ApplyGround(widget, ground);
  if (text.role != ColourRole::Fixed) return;
  QPalette palette = widget.palette();
  palette.setColor(widget.foregroundRole(), QColor::fromRgb(text.rgb));
  widget.setPalette(palette);
}
