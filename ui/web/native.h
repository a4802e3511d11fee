#pragma once

// What the web toolkit keeps for the application, a window and a control. Every form and
// control is an HTML element of the page, found again by its id: a control's id is its
// name, and a form's is "form" and its number.

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace toolkit {

struct Application {};

struct Control {
  std::string id;
  Callback pressed;  // a button's press; empty for others
};

struct Window {
  int id = 0;
  std::vector<std::unique_ptr<Control>> controls;
};

// A CSS font-family list: the plan's faces in their order, then the browser's own.
std::string CssFamilies(const FontPlan& font);
// A CSS colour: the style sheet's value for a palette role, or the fixed colour.
std::string CssColour(const Colour& colour);

}  // namespace toolkit
