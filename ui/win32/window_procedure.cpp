#include "ui/win32/window_procedure.h"

#include "ui/win32/colour.h"
#include "ui/win32/layout.h"
#include "ui/win32/native.h"

namespace {

toolkit::Window* WindowOf(HWND handle) {
  return reinterpret_cast<toolkit::Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

const toolkit::Control* ControlOf(const toolkit::Window& window, LPARAM handle) {
  for (const auto& control : window.controls) {
    if (control->handle == reinterpret_cast<HWND>(handle)) return control.get();
  }
  return nullptr;
}

// The system asks for these colours for labels and fields, read-only or not (it would grey
// a read-only one); a push button draws its own ground.
LRESULT Paint(const ControlPlan& plan, HDC dc) {
  SetTextColor(dc, ColourOf(plan.text));
  SetBkColor(dc, ColourOf(plan.ground));
  return reinterpret_cast<LRESULT>(BrushOf(plan.ground));
}

// Moved to a screen of another density: take the size the system suggests and scale the
// controls and fonts as a whole.
void MoveToDensity(toolkit::Window& window, UINT dpi, const RECT& suggested) {
  SetWindowPos(window.handle, nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Relayout(window, dpi);
}

// Back to the control that had the focus, or the first tab stop.
void RestoreFocus(const toolkit::Window& window) {
  HWND target = window.lastFocus;
  if (!target || !IsChild(window.handle, target))
    target = GetNextDlgTabItem(window.handle, nullptr, FALSE);
  if (target) SetFocus(target);
}

// True when the message is handled, with its result.
bool Handle(toolkit::Window& window, UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND: {
      if (HIWORD(w) != BN_CLICKED || l == 0) return false;
      const toolkit::Control* control = ControlOf(window, l);
      if (!control || !control->pressed) return false;
      control->pressed();
      return true;
    }
    case WM_CTLCOLORSTATIC:  // labels, and read-only edits
    case WM_CTLCOLOREDIT: {
      const toolkit::Control* control = ControlOf(window, l);
      if (!control) return false;
      result = Paint(control->plan, reinterpret_cast<HDC>(w));
      return true;
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window.handle, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, BrushOf(window.plan.ground));
      result = 1;
      return true;
    }
    case WM_DPICHANGED:
      MoveToDensity(window, HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return true;
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) window.lastFocus = GetFocus();
      return false;
    case WM_SETFOCUS:
      RestoreFocus(window);
      return true;
    case WM_DESTROY:
      if (window.endsEventLoop) PostQuitMessage(0);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK FormProcedure(HWND handle, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  toolkit::Window* window = WindowOf(handle);
  // No exception may unwind through the system's frames; it is reported instead.
  try {
    LRESULT result = 0;
    if (window && Handle(*window, message, w, l, result)) return result;
  } catch (...) {
    if (window->reportEscaped) window->reportEscaped();
    return 0;
  }
  return DefWindowProcW(handle, message, w, l);
}

ATOM RegisterFormClass() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FormProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, L"MAINICON");
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = nullptr;  // the window's plan gives its ground (WM_ERASEBKGND)
  windowClass.lpszClassName = L"VornEvCalculatorForm";
  return RegisterClassExW(&windowClass);
}

}  // namespace

ATOM FormWindowClass() {
  static const ATOM windowClass = RegisterFormClass();
  return windowClass;
}
