#include <cstdio>
#include <string>

#include "ui/gui_library.h"
#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace {

// The look of an element the page did not already hold.
void Style(const ControlPlan& plan, const char* id) {
  const std::string selector = "#" + std::string(plan.name);
  dom::Place(id, plan.left, plan.top, plan.width, plan.height);
  dom::SetFont(selector.c_str(), toolkit::CssFamilies(plan.font).c_str(), plan.font.pixelHeight,
               plan.font.bold);
  dom::SetColours(selector.c_str(), toolkit::CssColour(plan.text).c_str(),
                  toolkit::CssColour(plan.face).c_str());
  if (plan.growsToCaption) dom::AddClass(id, "grows");
  if (plan.kind == ControlKind::Field) {
    dom::MakeField(id, plan.readOnly, plan.maxLength);
    dom::SetTextMargin(id, plan.textMargin);
  }
  if (!plan.tabStop) dom::SetTabStop(id, false);
}

toolkit::Control* NewElement(toolkit::Window& window, const ControlPlan& plan, const char* tag) {
  window.controls.push_back(
      std::make_unique<toolkit::Control>(toolkit::Control{std::string(plan.name)}));
  const char* id = window.controls.back()->id.c_str();
  if (dom::NewControl(window.id, tag, id, std::string(plan.caption).c_str())) Style(plan, id);
  if (plan.showsStartWhenLeft) dom::ShowStartWhenLeft(id);
  if (!plan.arrowNext.empty() || !plan.arrowPrevious.empty())
    dom::MoveFocusWithArrows(id, std::string(plan.arrowNext).c_str(),
                             std::string(plan.arrowPrevious).c_str());
  return window.controls.back().get();
}

}  // namespace

namespace toolkit {

// The style sheet defines each role for every engine.
std::string CssColour(const Colour& colour) {
  switch (colour.role) {
    case ColourRole::WindowText:
      return "var(--window-text)";
    case ColourRole::Window:
      return "var(--window)";
    case ColourRole::FieldText:
      return "var(--field-text)";
    case ColourRole::Field:
      return "var(--field)";
    case ColourRole::ButtonText:
      return "var(--button-text)";
    case ColourRole::Button:
      return "var(--button)";
    case ColourRole::Fixed:
      break;
  }
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%06x", static_cast<unsigned>(colour.rgb & 0xFFFFFF));
  return hex;
}

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
