#pragma once

#include "ui/win32/native.h"

// A child window of the form for one control, kept by the form and placed at once at its
// designed geometry and font, a tab stop where the plan says so. Its identifier is its
// place in the order of creation, plus 100.
toolkit::Control& NewControlWindow(toolkit::Window& window, const ControlPlan& plan,
                                   const wchar_t* windowClass, DWORD style, DWORD exStyle);
