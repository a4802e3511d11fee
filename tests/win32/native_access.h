#pragma once

// The Win32 windows behind a form and its controls, which the calculator's own code never
// sees.

#include "ui/gui_library.h"
#include "ui/win32/native.h"

inline HWND NativeWindow(const TForm& form) {
  return form.Native()->handle;
}

inline HWND NativeWindow(const TControl& control) {
  return control.Native()->handle;
}
