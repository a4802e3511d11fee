#pragma once

// The Qt widgets behind a form and its controls, which the calculator's own code never
// sees.

#include "ui/gui_library.h"
#include "ui/qt/native.h"

inline QWidget* NativeWidget(const TForm& form) {
  return form.Native()->widget.get();
}

inline QWidget* NativeWidget(const TControl& control) {
  return control.Native()->widget;
}
