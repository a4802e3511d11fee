#include <string>

#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace toolkit {

Window* NewWindow(const WindowPlan& plan) {
  static int forms = 0;
  auto* window = new Window;
  window->id = ++forms;
  if (dom::NewForm(window->id, std::string(plan.caption).c_str())) {
    dom::SetClientArea(window->id, plan.clientWidth, plan.clientHeight);
    const std::string form = "#form" + std::to_string(window->id);
    dom::SetFont((form + " > .client").c_str(), CssFamilies(plan.font).c_str(),
                 plan.font.pixelHeight, plan.font.bold);
    dom::SetColours(form.c_str(), "", CssColour(plan.face).c_str());
  }
  return window;
}

void Delete(Window* window) {
  if (window) dom::RemoveForm(window->id);
  delete window;
}

// A page has no taskbar entry of its own; an installed app has one whatever this says.
void SetOnTaskBar(Window& /*window*/, bool /*onTaskBar*/) {}

void ShowWindow(Window& window) {
  dom::ShowForm(window.id);
}

void SetTabOrder(Window& /*window*/, std::span<const Control* const> stops) {
  for (const Control* stop : stops) dom::SetTabStop(stop->id.c_str(), true);
}

void NameByLabel(Control& label, Control& field) {
  dom::NameByLabel(label.id.c_str(), field.id.c_str());
}

void SetReadingOrder(Window& /*window*/, std::span<const Control* const> order) {
  for (std::size_t row = 0; row < order.size(); ++row)
    dom::SetRow(order[row]->id.c_str(), static_cast<int>(row));
}

}  // namespace toolkit
