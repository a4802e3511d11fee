#include "ui/win32/dialog_keys.h"

#include "ui/win32/native.h"

namespace {

// Enter on a focused push button presses it, as Space does. The dialog manager would
// instead send IDOK to a window that is not a dialog.
bool PressedFocusedButton(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  HWND focus = GetFocus();
  if (!focus) return false;
  const auto code = SendMessageW(focus, WM_GETDLGCODE, 0, 0);
  if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) return false;
  SendMessageW(focus, BM_CLICK, 0, 0);
  return true;
}

const toolkit::Control* Find(const toolkit::Window& window, auto matches) {
  for (const auto& control : window.controls) {
    if (matches(*control)) return control.get();
  }
  return nullptr;
}

// The dialog manager asks a window that is not a dialog to move the focus for an arrow key
// (WM_NEXTDLGCTL), which only a dialog's own procedure does; so the move is made here,
// where the focused control's plan says, with a field's text selected as Tab selects it.
bool MovedByArrow(HWND form, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const bool back = message.wParam == VK_LEFT || message.wParam == VK_UP;
  if (!back && message.wParam != VK_RIGHT && message.wParam != VK_DOWN) return false;
  const auto* window = reinterpret_cast<toolkit::Window*>(GetWindowLongPtrW(form, GWLP_USERDATA));
  HWND focus = GetFocus();
  const toolkit::Control* from =
      window ? Find(*window, [focus](const auto& c) { return c.handle == focus; }) : nullptr;
  if (!from) return false;
  const std::string_view to = back ? from->plan.arrowPrevious : from->plan.arrowNext;
  if (to.empty()) return false;  // the control's own keys, as a field's caret
  const toolkit::Control* next = Find(*window, [to](const auto& c) { return c.plan.name == to; });
  if (!next) return true;
  if (next->plan.kind == ControlKind::Edit) SendMessageW(next->handle, EM_SETSEL, 0, -1);
  SetFocus(next->handle);
  return true;
}

}  // namespace

bool HandleDialogKey(HWND form, MSG& message) {
  if (PressedFocusedButton(message) || MovedByArrow(form, message)) return true;
  return IsWindow(form) && IsDialogMessageW(form, &message);
}
