#include <string>

#include "ui/gui_library.h"
#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace {

// The look of an element the page did not already hold.
void Style(const ControlSpec& spec, const char* id) {
  dom::Place(id, spec.left, spec.top, spec.width, spec.height);
  dom::SetFont(("#" + std::string(spec.name)).c_str(), toolkit::CssFamilies(spec.font).c_str(),
               spec.font.pixelHeight, spec.font.bold);
  // The faces are the style sheet's, by element: inputs on Field, buttons on ButtonFace.
  if (spec.text == ControlColour::Red) dom::AddClass(id, "red");
  if (spec.maxLength > 0) dom::MakeField(id, spec.readOnly, spec.maxLength);
  if (!spec.tabStop) dom::SetTabStop(id, false);
}

toolkit::Control* NewElement(toolkit::Window& window, const ControlSpec& spec, const char* tag) {
  window.controls.push_back(
      std::make_unique<toolkit::Control>(toolkit::Control{std::string(spec.name)}));
  const char* id = window.controls.back()->id.c_str();
  if (dom::NewControl(window.id, tag, id, std::string(spec.caption).c_str())) Style(spec, id);
  if (spec.showsStartWhenLeft) dom::ShowStartWhenLeft(id);
  if (spec.arrowsMoveFocus) dom::MoveFocusWithArrows(id);
  return window.controls.back().get();
}

}  // namespace

namespace toolkit {

std::string CssFamilies(const FontSpec& font) {
  std::string families = "\"" + std::string(font.family) + "\", ";
  if (!font.fallback.empty()) families += "\"" + std::string(font.fallback) + "\", ";
  return families + "sans-serif";
}

Control* NewLabel(Window& window, const ControlSpec& spec) {
  return NewElement(window, spec, "label");
}

Control* NewEdit(Window& window, const ControlSpec& spec) {
  return NewElement(window, spec, "input");
}

Control* NewButton(Window& window, const ControlSpec& spec, TButton& button) {
  Control* control = NewElement(window, spec, "button");
  dom::PressCalls(control->id.c_str(), &button);
  return control;
}

std::string GetText(const Control& control) {
  return dom::Text(control.id.c_str());
}

void SetText(Control& control, const std::string& text) {
  dom::SetText(control.id.c_str(), text.c_str());
}

}  // namespace toolkit
