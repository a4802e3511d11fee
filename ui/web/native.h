#pragma once

// What the web toolkit keeps for the application, a window and a control. Every form and
// control is an HTML element of the page, found again by its id: a control's id is its
// name in the description, and a form's is "form" and its number.

#include <memory>
#include <vector>

#include "ui/toolkit.h"

namespace toolkit {

struct Application {};

struct Control {
  const ControlDescription& description;
};

struct Window {
  explicit Window(const FormDescription& form) : description(form) {}
  const FormDescription& description;
  int id = 0;
  std::vector<std::unique_ptr<Control>> controls;
};

}  // namespace toolkit
