#pragma once

#include <windows.h>

#include <vector>

#include "ui/gui_library.h"

// What a form keeps on Win32 besides its window: the resolution it is laid out for, the
// fonts made for that resolution, and the control that had the focus when the window was
// last deactivated, to give it back on return.
struct TForm::Native {
  UINT dpi = USER_DEFAULT_SCREEN_DPI;
  std::vector<HFONT> fonts;
  HWND lastFocus = nullptr;

  Native() = default;
  Native(const Native&) = delete;
  Native& operator=(const Native&) = delete;
  ~Native() {
    for (HFONT font : fonts) DeleteObject(font);
  }
};

// A child window of the form for one control; the form's layout places it and gives it
// its font. Its identifier is its place in the description, plus kFirstControlId.
HWND CreateControlWindow(const TForm& form, const ControlDescription& description,
                         const wchar_t* windowClass, DWORD style, DWORD exStyle);

// Clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
constexpr int kFirstControlId = 100;
