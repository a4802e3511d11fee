#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "ui/win32/control_window.h"

namespace {

// Leaving for another control of the window is a focus that goes to a child of the same
// window; leaving the window itself keeps the caret where it was.
LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR /*id*/,
                               DWORD_PTR /*data*/) {
  const LRESULT result = DefSubclassProc(edit, message, w, l);
  if (message == WM_KILLFOCUS && w && IsChild(GetParent(edit), reinterpret_cast<HWND>(w))) {
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(edit, EditProcedure, 0);
  }
  return result;
}

}  // namespace

namespace toolkit {

// A read-only edit can still be focused, selected and copied from, as a result should.
Control* NewEdit(Window& window, const ControlPlan& plan) {
  Control& control = NewControlWindow(window, plan, L"EDIT",
                                      ES_LEFT | ES_AUTOHSCROLL | (plan.readOnly ? ES_READONLY : 0),
                                      WS_EX_CLIENTEDGE);
  // Explicit, as the system's default differs between Windows and Wine.
  SendMessageW(control.handle, EM_SETLIMITTEXT, static_cast<WPARAM>(plan.maxLength), 0);
  if (plan.showsStartWhenLeft) SetWindowSubclass(control.handle, EditProcedure, 0, 0);
  return &control;
}

}  // namespace toolkit
