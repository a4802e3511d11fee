#include <string>

#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace toolkit {

// The browser's own handlers call the program's only for a press, and a press reports
// what it throws itself: there is nothing left to report.
Window* NewWindow(const WindowPlan& plan, EscapeReport /*reportEscaped*/) {
  static int forms = 0;
  auto* window = new Window;
  window->id = ++forms;
  if (vorn_dom_new_form(window->id, std::string(plan.caption).c_str())) {
    vorn_dom_set_client_area(window->id, plan.clientWidth, plan.clientHeight);
    const std::string form = "#form" + std::to_string(window->id);
    vorn_dom_set_font((form + " > .client").c_str(), CssFamilies(plan.font).c_str(),
                      plan.font.pixelHeight, plan.font.bold);
    vorn_dom_set_colours(form.c_str(), "", CssColour(plan.ground).c_str());
  }
  return window;
}

void Delete(Window* window) {
  if (window) vorn_dom_remove_form(window->id);
  delete window;
}

// A page has no taskbar entry of its own; an installed app has one whatever this says.
void SetOnTaskBar(Window& /*window*/, bool /*onTaskBar*/) {}

void ShowWindow(Window& window) {
  vorn_dom_show_form(window.id);
}

void SetTabOrder(Window& /*window*/, std::span<const Control* const> stops) {
  for (const Control* stop : stops) vorn_dom_set_tab_stop(stop->id.c_str(), 1);
}

void NameByLabel(Control& label, Control& field) {
  vorn_dom_name_by_label(label.id.c_str(), field.id.c_str());
}

void SetReadingOrder(Window& /*window*/, std::span<const Control* const> order) {
  for (std::size_t row = 0; row < order.size(); ++row)
    vorn_dom_set_row(order[row]->id.c_str(), static_cast<int>(row));
}

}  // namespace toolkit
