#include "core/exceptions.h"
#include "ui/win32/control_window.h"
#include "ui/win32/layout.h"
#include "ui/win32/text.h"

namespace {

// Clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
constexpr int kFirstControlId = 100;

}  // namespace

toolkit::Control& NewControlWindow(toolkit::Window& window, const ControlPlan& plan,
                                   const wchar_t* windowClass, DWORD style, DWORD exStyle) {
  const auto id = kFirstControlId + static_cast<INT_PTR>(window.controls.size());
  if (plan.tabStop) style |= WS_TABSTOP;
  HWND handle = CreateWindowExW(exStyle, windowClass, Utf8ToWide(plan.caption).c_str(),
                                WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window.handle,
                                reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
  if (!handle)
    throw vorn::Exception("The control " + std::string(plan.name) + " could not be created");
  window.controls.push_back(std::make_unique<toolkit::Control>(toolkit::Control{handle, plan, {}}));
  PlaceControl(window, *window.controls.back());
  return *window.controls.back();
}

namespace toolkit {

// A static control, named as a field's caption by its place in the z-order.
Control* NewLabel(Window& window, const ControlPlan& plan) {
  return &NewControlWindow(window, plan, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
}

// The form's window procedure presses the button for its BN_CLICKED, which the button
// sends for the mouse, for Space, and for Enter (see the message loop); the message loop
// moves the focus for the arrow keys, as the plan says.
Control* NewButton(Window& window, const ControlPlan& plan, Callback pressed) {
  Control& control = NewControlWindow(window, plan, L"BUTTON", BS_PUSHBUTTON, 0);
  control.pressed = pressed;
  return &control;
}

std::string GetText(const Control& control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control.handle)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control.handle, text.data(), static_cast<int>(text.size()))));
  return WideToUtf8(text);
}

// An edit control shows a text set this way from its first character.
void SetText(Control& control, const std::string& text) {
  SetWindowTextW(control.handle, Utf8ToWide(text).c_str());
}

}  // namespace toolkit
