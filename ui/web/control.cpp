#include <string>

#include "ui/gui_library.h"
#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace {

// The look of an element the page did not already hold.
void Style(const ControlPlan& plan, const char* id) {
  dom::Place(id, plan.left, plan.top, plan.width, plan.height);
  dom::SetFont(("#" + std::string(plan.name)).c_str(), toolkit::CssFamilies(plan.font).c_str(),
               plan.font.pixelHeight, plan.font.bold);
  // The faces are the style sheet's, by element: inputs on Field, buttons on ButtonFace.
  if (plan.text == ControlColour::Red) dom::AddClass(id, "red");
  if (plan.maxLength > 0) dom::MakeField(id, plan.readOnly, plan.maxLength);
  if (!plan.tabStop) dom::SetTabStop(id, false);
}

toolkit::Control* NewElement(toolkit::Window& window, const ControlPlan& plan, const char* tag) {
  window.controls.push_back(
      std::make_unique<toolkit::Control>(toolkit::Control{std::string(plan.name)}));
  const char* id = window.controls.back()->id.c_str();
  if (dom::NewControl(window.id, tag, id, std::string(plan.caption).c_str())) Style(plan, id);
  if (plan.showsStartWhenLeft) dom::ShowStartWhenLeft(id);
  if (plan.arrowsMoveFocus) dom::MoveFocusWithArrows(id);
  return window.controls.back().get();
}

}  // namespace

namespace toolkit {

std::string CssFamilies(const FontPlan& font) {
  std::string families = "\"" + std::string(font.family) + "\", ";
  if (!font.fallback.empty()) families += "\"" + std::string(font.fallback) + "\", ";
  return families + "sans-serif";
}

Control* NewLabel(Window& window, const ControlPlan& plan) {
  return NewElement(window, plan, "label");
}

Control* NewEdit(Window& window, const ControlPlan& plan) {
  return NewElement(window, plan, "input");
}

Control* NewButton(Window& window, const ControlPlan& plan, TButton& button) {
  Control* control = NewElement(window, plan, "button");
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
