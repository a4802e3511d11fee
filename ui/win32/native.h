#pragma once

// What the Win32 toolkit keeps for the application, a window and a control. Every form
// and control is a window; a control's window is a child of its form's and goes with it.

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "ui/toolkit.h"

namespace toolkit {

struct Application {};

struct Control {
  HWND handle;
  const ControlPlan& plan;
  Callback pressed;  // run for a button's BN_CLICKED; empty for others
};

struct Window {
  Window(const WindowPlan& form, EscapeReport report) : plan(form), reportEscaped(report) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() {
    for (const auto& [font, handle] : fonts) DeleteObject(handle);
  }

  const WindowPlan& plan;
  const EscapeReport reportEscaped;
  HWND handle = nullptr;
  // The resolution the controls are laid out for, and the fonts made for it.
  UINT dpi = USER_DEFAULT_SCREEN_DPI;
  std::vector<std::pair<FontPlan, HFONT>> fonts;
  // The control that had the focus when the window was last deactivated, to give it back.
  HWND lastFocus = nullptr;
  bool endsEventLoop = false;  // the main window: closing it ends the program's loop
  std::vector<std::unique_ptr<Control>> controls;
};

}  // namespace toolkit
