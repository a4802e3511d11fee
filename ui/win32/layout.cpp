#include "ui/win32/layout.h"

#include "ui/win32/font.h"
#include "ui/win32/text.h"

namespace {

// Set after the font, which resets the margins to the system's default.
void SetTextMargins(HWND edit, int designed, UINT dpi) {
  const int margin = Scale(designed, dpi);
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

// The caption's extent in the control's font.
Size CaptionExtent(HWND control, HFONT font, std::string_view caption) {
  const std::wstring text = Utf8ToWide(caption);
  SIZE needed{};
  HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &needed);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return {needed.cx, needed.cy};
}

// The font for this resolution, made the first time a control asks for it.
HFONT FontFor(toolkit::Window& window, const FontPlan& font) {
  for (const auto& [made, handle] : window.fonts) {
    if (made == font) return handle;
  }
  window.fonts.emplace_back(font, MakeFont(font, window.dpi));
  return window.fonts.back().second;
}

}  // namespace

int Scale(int designed, UINT dpi) {
  return MulDiv(designed, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

void PlaceControl(toolkit::Window& window, const toolkit::Control& control) {
  const ControlPlan& plan = control.plan;
  const UINT dpi = window.dpi;
  const HFONT font = FontFor(window, plan.font);
  SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (plan.kind == ControlKind::Edit) SetTextMargins(control.handle, plan.textMargin, dpi);
  const Size size = plan.Fitted({Scale(plan.width, dpi), Scale(plan.height, dpi)},
                                CaptionExtent(control.handle, font, plan.caption));
  SetWindowPos(control.handle, nullptr, Scale(plan.left, dpi), Scale(plan.top, dpi), size.width,
               size.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Relayout(toolkit::Window& window, UINT dpi) {
  const auto previous = std::exchange(window.fonts, {});
  window.dpi = dpi;
  for (const auto& control : window.controls) PlaceControl(window, *control);
  for (const auto& [font, handle] : previous) DeleteObject(handle);
  InvalidateRect(window.handle, nullptr, TRUE);
}

void FitClientArea(const toolkit::Window& window) {
  const UINT dpi = window.dpi;
  RECT frame{0, 0, Scale(window.plan.clientWidth, dpi), Scale(window.plan.clientHeight, dpi)};
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window.handle, GWL_EXSTYLE));
  AdjustWindowRectExForDpi(&frame, kFormStyle, FALSE, exStyle, dpi);
  SetWindowPos(window.handle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
