#include <string>

#include "ui/gui_library.h"
#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace {

toolkit::Control* NewElement(toolkit::Window& window, const ControlDescription& d, dom::Kind kind,
                             void* pressed) {
  const FontDescription& font = d.font ? *d.font : window.description.font;
  const std::string family(font.family);
  dom::NewControl(window.id, kind, std::string(d.name).c_str(), std::string(d.caption).c_str(),
                  {d.left, d.top, d.width, d.height},
                  {family.c_str(), font.pixelHeight, font.bold, d.colour == ControlColour::Red},
                  d.readOnly, TEdit::kMaxLength, pressed);
  window.controls.push_back(std::make_unique<toolkit::Control>(toolkit::Control{d}));
  return window.controls.back().get();
}

std::string Id(const toolkit::Control& control) {
  return std::string(control.description.name);
}

}  // namespace

namespace toolkit {

Control* NewLabel(Window& window, const ControlDescription& description) {
  return NewElement(window, description, dom::Kind::Label, nullptr);
}

Control* NewEdit(Window& window, const ControlDescription& description) {
  return NewElement(window, description, dom::Kind::Edit, nullptr);
}

Control* NewButton(Window& window, const ControlDescription& description, TButton& button) {
  return NewElement(window, description, dom::Kind::Button, &button);
}

std::string GetText(const Control& control) {
  return dom::Text(Id(control).c_str());
}

void SetText(Control& control, const std::string& text) {
  dom::SetText(Id(control).c_str(), text.c_str());
}

}  // namespace toolkit
