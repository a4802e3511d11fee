#include "ui/win32/layout.h"

#include <algorithm>

#include "ui/win32/font.h"
#include "ui/win32/text.h"

namespace {

// The room an edit leaves between its border and its text, in designed pixels a side.
// The system's default follows the font and is about four pixels under Wine, which left
// the longest results (22 characters) a pixel or two short of room in a 137-pixel field.
constexpr int kEditTextMargin = 1;

// Set after the font, which resets the margins to the system's default.
void SetTextMargins(HWND edit, UINT dpi) {
  const int margin = Scale(kEditTextMargin, dpi);
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

// Labels size themselves to their caption and only ever grow, so a face with other
// metrics than the designed one never cuts a caption off or wraps it.
SIZE GrownToCaption(HWND label, HFONT font, std::string_view caption, SIZE designed) {
  const std::wstring text = Utf8ToWide(caption);
  SIZE needed{};
  HDC dc = GetDC(label);
  const HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &needed);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  return {std::max(designed.cx, needed.cx), std::max(designed.cy, needed.cy)};
}

// The font for this resolution, made the first time a control asks for it.
HFONT FontFor(toolkit::Window& window, const FontDescription* font) {
  for (const auto& [description, handle] : window.fonts) {
    if (description == font) return handle;
  }
  window.fonts.emplace_back(font, MakeFont(*font, window.dpi));
  return window.fonts.back().second;
}

}  // namespace

int Scale(int designed, UINT dpi) {
  return MulDiv(designed, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

void PlaceControl(toolkit::Window& window, const toolkit::Control& control) {
  const ControlDescription& d = control.description;
  const UINT dpi = window.dpi;
  const HFONT font = FontFor(window, d.font ? d.font : &window.description.font);
  SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (d.controlClass == ControlClass::Edit) SetTextMargins(control.handle, dpi);
  SIZE size{Scale(d.width, dpi), Scale(d.height, dpi)};
  if (d.controlClass == ControlClass::Label) {
    size = GrownToCaption(control.handle, font, d.caption, size);
  }
  SetWindowPos(control.handle, nullptr, Scale(d.left, dpi), Scale(d.top, dpi), size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Relayout(toolkit::Window& window, UINT dpi) {
  const auto previous = std::exchange(window.fonts, {});
  window.dpi = dpi;
  for (const auto& control : window.controls) PlaceControl(window, *control);
  for (const auto& [description, handle] : previous) DeleteObject(handle);
  InvalidateRect(window.handle, nullptr, TRUE);
}

void FitClientArea(const toolkit::Window& window) {
  const UINT dpi = window.dpi;
  RECT frame{0, 0, Scale(window.description.clientWidth, dpi),
             Scale(window.description.clientHeight, dpi)};
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window.handle, GWL_EXSTYLE));
  AdjustWindowRectExForDpi(&frame, kFormStyle, FALSE, exStyle, dpi);
  SetWindowPos(window.handle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
