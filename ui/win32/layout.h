#pragma once

#include "ui/win32/native.h"

// Designed pixels are at 96 dots per inch; the window and its fonts scale as a whole.
int Scale(int designed, UINT dpi);

// Places a control at its designed geometry for the window's resolution, with its font.
void PlaceControl(toolkit::Window& window, const toolkit::Control& control);

// Lays every control out again for a new resolution; the fonts made for the previous one
// go once nothing uses them.
void Relayout(toolkit::Window& window, UINT dpi);

// The window's outer size for the designed client area at the window's resolution.
void FitClientArea(const toolkit::Window& window);

// The default border: a resizable window with a title bar and the three buttons.
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW;
