#include <cstdio>
#include <string>

#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace {

// The look of an element the page did not already hold.
void Style(const ControlPlan& plan, const char* id) {
  const std::string selector = "#" + std::string(plan.name);
  vorn_dom_place(id, plan.left, plan.top, plan.width, plan.height);
  vorn_dom_set_font(selector.c_str(), toolkit::CssFamilies(plan.font).c_str(),
                    plan.font.pixelHeight, plan.font.bold);
  vorn_dom_set_colours(selector.c_str(), toolkit::CssColour(plan.text).c_str(),
                       toolkit::CssColour(plan.ground).c_str());
  if (plan.growsToCaption) vorn_dom_add_class(id, "grows");
  if (plan.kind == ControlKind::Edit) {
    vorn_dom_make_field(id, plan.readOnly, plan.maxLength);
    vorn_dom_set_text_margin(id, plan.textMargin);
  }
  if (!plan.tabStop) vorn_dom_set_tab_stop(id, 0);
}

// The held keys as the KeyboardEvent properties that tell them, each followed by a space.
std::string HeldKeyProperties(unsigned held) {
  std::string properties;
  if (held & kShift) properties += "shiftKey ";
  if (held & kControl) properties += "ctrlKey ";
  if (held & kAlt) properties += "altKey ";
  if (held & kMeta) properties += "metaKey ";
  return properties;
}

toolkit::Control* NewElement(toolkit::Window& window, const ControlPlan& plan, const char* tag) {
  window.controls.push_back(
      std::make_unique<toolkit::Control>(toolkit::Control{std::string(plan.name), {}}));
  const char* id = window.controls.back()->id.c_str();
  if (vorn_dom_new_control(window.id, tag, id, std::string(plan.caption).c_str())) Style(plan, id);
  if (plan.showsStartWhenLeft) vorn_dom_show_start_when_left(id);
  if (!plan.arrowNext.empty() || !plan.arrowPrevious.empty())
    vorn_dom_move_focus_with_arrows(id, std::string(plan.arrowNext).c_str(),
                                    std::string(plan.arrowPrevious).c_str(),
                                    HeldKeyProperties(plan.arrowMovesWith).c_str());
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

Control* NewButton(Window& window, const ControlPlan& plan, Callback pressed) {
  Control* control = NewElement(window, plan, "button");
  control->pressed = pressed;
  vorn_dom_press_calls(control->id.c_str(), control);
  return control;
}

std::string GetText(const Control& control) {
  return dom::Text(control.id.c_str());
}

void SetText(Control& control, const std::string& text) {
  vorn_dom_set_text(control.id.c_str(), text.c_str());
}

}  // namespace toolkit
