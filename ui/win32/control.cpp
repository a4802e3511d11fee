#include "core/exceptions.h"
#include "ui/win32/control_window.h"
#include "ui/win32/layout.h"
#include "ui/win32/text.h"

namespace {

// Clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
constexpr int kFirstControlId = 100;

}  // namespace

toolkit::Control& NewControlWindow(toolkit::Window& window, const ControlDescription& description,
                                   const wchar_t* windowClass, DWORD style, DWORD exStyle) {
  const auto id = kFirstControlId + (&description - window.description.controls.data());
  HWND handle = CreateWindowExW(exStyle, windowClass, Utf8ToWide(description.caption).c_str(),
                                WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window.handle,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!handle)
    throw vorn::Exception("The control " + std::string(description.name) + " could not be created");
  window.controls.push_back(
      std::make_unique<toolkit::Control>(toolkit::Control{handle, description, nullptr}));
  PlaceControl(window, *window.controls.back());
  return *window.controls.back();
}

namespace toolkit {

// A static control, named as a field's caption by its place in the z-order.
Control* NewLabel(Window& window, const ControlDescription& description) {
  return &NewControlWindow(window, description, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
}

// The form's window procedure presses the button for its BN_CLICKED, which the button
// sends for the mouse, for Space, and for Enter (see the message loop).
Control* NewButton(Window& window, const ControlDescription& description, TButton& button) {
  Control& control =
      NewControlWindow(window, description, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0);
  control.button = &button;
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
