#include "tests/shared/fake_toolkit.h"

#include <memory>
#include <span>

namespace {

toolkit::Application* current = nullptr;

std::vector<std::string> Names(std::span<const toolkit::Control* const> controls) {
  std::vector<std::string> names;
  for (const toolkit::Control* control : controls) names.push_back(control->name);
  return names;
}

toolkit::Control* Add(toolkit::Window& window, const ControlPlan& plan, const char* kind) {
  window.controls.push_back(std::make_unique<toolkit::Control>(
      toolkit::Control{std::string(plan.name), kind, std::string(plan.caption), "", &plan, {}}));
  return window.controls.back().get();
}

}  // namespace

toolkit::Application& FakeApplication() {
  return *current;
}

namespace toolkit {

Application* NewApplication(int& /*argc*/, char** /*argv*/) {
  return current = new Application;
}

void Delete(Application* application) {
  if (current == application) current = nullptr;
  delete application;
}

void StartWindowSystem(Application& application) {
  application.started = true;
}

void RunEventLoop(Application& application, Window& main) {
  main.shown = true;
  application.shown.push_back(main.caption);
}

void ShowErrorMessage(Application& application, Window* owner, const std::string& message) {
  application.errors.push_back((owner ? owner->caption + ": " : "") + message);
}

// Nothing of the fake's own throws, so there is nothing to report.
Window* NewWindow(const WindowPlan& plan, EscapeReport /*reportEscaped*/) {
  return new Window{std::string(plan.caption), false, false, {}, {}, {}};
}

void Delete(Window* window) {
  delete window;
}

void SetOnTaskBar(Window& window, bool onTaskBar) {
  window.onTaskBar = onTaskBar;
}

void ShowWindow(Window& window) {
  window.shown = true;
}

void SetTabOrder(Window& window, std::span<const Control* const> stops) {
  window.tabOrder = Names(stops);
}

void NameByLabel(Control& label, Control& field) {
  field.accessibleName = label.text;
}

void SetReadingOrder(Window& window, std::span<const Control* const> order) {
  window.readingOrder = Names(order);
}

Control* NewLabel(Window& window, const ControlPlan& plan) {
  return Add(window, plan, "label");
}

Control* NewEdit(Window& window, const ControlPlan& plan) {
  return Add(window, plan, "edit");
}

Control* NewButton(Window& window, const ControlPlan& plan, Callback pressed) {
  Control* control = Add(window, plan, "button");
  control->pressed = pressed;
  return control;
}

std::string GetText(const Control& control) {
  return control.text;
}

void SetText(Control& control, const std::string& text) {
  control.text = text;
}

}  // namespace toolkit
