#pragma once

#include "ui/win32/native.h"

// A child window of the form for one control, kept by the form and placed at once at its
// designed geometry and font. Its identifier is its place in the description, plus 100.
toolkit::Control& NewControlWindow(toolkit::Window& window, const ControlDescription& description,
                                   const wchar_t* windowClass, DWORD style, DWORD exStyle);
