#include "core/exceptions.h"
#include "ui/win32/layout.h"
#include "ui/win32/native.h"
#include "ui/win32/text.h"
#include "ui/win32/window_procedure.h"

namespace toolkit {

// The frame's top-left corner at the designed place; the size follows from the client
// area once the window knows its resolution.
Window* NewWindow(const WindowPlan& plan, EscapeReport reportEscaped) {
  auto window = std::make_unique<Window>(plan, reportEscaped);
  window->handle = CreateWindowExW(
      0, MAKEINTATOM(FormWindowClass()), Utf8ToWide(plan.caption).c_str(), kFormStyle, plan.left,
      plan.top, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), window.get());
  if (!window->handle) throw vorn::Exception("The window could not be created");
  window->dpi = GetDpiForWindow(window->handle);
  FitClientArea(*window);
  return window.release();
}

// The control windows go with the form's window.
void Delete(Window* window) {
  if (window && IsWindow(window->handle)) {
    SetWindowLongPtrW(window->handle, GWLP_USERDATA, 0);  // nothing of it is left to use
    DestroyWindow(window->handle);
  }
  delete window;
}

// An application window has its own taskbar button; a tool window is kept off it.
void SetOnTaskBar(Window& window, bool onTaskBar) {
  LONG_PTR exStyle = GetWindowLongPtrW(window.handle, GWL_EXSTYLE);
  exStyle &= ~(WS_EX_APPWINDOW | WS_EX_TOOLWINDOW);
  exStyle |= onTaskBar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  SetWindowLongPtrW(window.handle, GWL_EXSTYLE, exStyle);
}

void ShowWindow(Window& window) {
  FitClientArea(window);  // the taskbar choice may have changed the frame
  ::ShowWindow(window.handle, SW_SHOWNORMAL);
  UpdateWindow(window.handle);
}

// The dialog manager tabs through the z-order, so the stops are stacked in their order at
// the top; the rest stay below them.
void SetTabOrder(Window& /*window*/, std::span<const Control* const> stops) {
  HWND previous = HWND_TOP;
  for (const Control* stop : stops) {
    SetWindowPos(stop->handle, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = stop->handle;
  }
}

// Assistive technology names a field by the static control just before it in the
// z-order, which is also the screen reader's reading order.
void NameByLabel(Control& label, Control& field) {
  HWND above = GetWindow(field.handle, GW_HWNDPREV);
  SetWindowPos(label.handle, above ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The window keeps its designed places at every size, so the order is the designed one.
void SetReadingOrder(Window& /*window*/, std::span<const Control* const> /*order*/) {}

}  // namespace toolkit
