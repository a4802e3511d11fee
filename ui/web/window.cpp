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
    dom::SetTabIndex(std::string(control->description.name).c_str(), -1);
  }
  int index = 0;
  for (const Control* stop : stops) {
    dom::SetTabIndex(std::string(stop->description.name).c_str(), ++index);
  }
}

void NameByLabel(Control& label, Control& field) {
  dom::NameByLabel(std::string(label.description.name).c_str(),
                   std::string(field.description.name).c_str());
}

}  // namespace toolkit
