#include <algorithm>
#include <string>

#include "ui/web/dom.h"
#include "ui/web/native.h"

namespace toolkit {

Window* NewWindow(const FormDescription& description) {
  static int forms = 0;
  auto* window = new Window(description);
  window->id = ++forms;
  const FontDescription& font = description.font;
  dom::NewForm(window->id, std::string(description.caption).c_str(), description.clientWidth,
               description.clientHeight, std::string(font.family).c_str(), font.pixelHeight,
               font.bold);
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

void SetTabOrder(Window& window, std::span<const Control* const> stops) {
  for (const auto& control : window.controls) {
    if (std::find(stops.begin(), stops.end(), control.get()) == stops.end())
      dom::SetTabStop(std::string(control->description.name).c_str(), false);
  }
  for (const Control* stop : stops)
    dom::SetTabStop(std::string(stop->description.name).c_str(), true);
}

void NameByLabel(Control& label, Control& field) {
  dom::NameByLabel(std::string(label.description.name).c_str(),
                   std::string(field.description.name).c_str());
}

void SetReadingOrder(Window& /*window*/, std::span<const Control* const> order) {
  for (std::size_t row = 0; row < order.size(); ++row)
    dom::SetRow(std::string(order[row]->description.name).c_str(), static_cast<int>(row));
}

}  // namespace toolkit
