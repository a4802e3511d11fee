#pragma once

// A toolkit that keeps its windows and controls in memory and writes down what the shared
// layer asks of it, so that the shared layer is tested without any window system.

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace toolkit {

struct Application {
  bool started = false;
  std::vector<std::string> shown;  // the windows the event loop ran, by caption
  std::vector<std::string> errors;
};

struct Control {
  std::string name, kind, text, accessibleName;
  const ControlPlan* plan;
  Callback pressed;  // a button's
};

struct Window {
  std::string caption;
  bool onTaskBar = false, shown = false;
  std::vector<std::unique_ptr<Control>> controls;
  std::vector<std::string> tabOrder, readingOrder;  // by control name
};

}  // namespace toolkit

// The fake's application, which TApplication owns.
toolkit::Application& FakeApplication();
