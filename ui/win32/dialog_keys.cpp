#include "ui/win32/dialog_keys.h"

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

// The dialog manager asks a window that is not a dialog to move the focus for an arrow key
// (WM_NEXTDLGCTL), which only a dialog's own procedure does; so the move is made here, to
// the neighbouring tab stop, with a field's text selected as Tab selects it.
bool MovedByArrow(HWND form, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const bool back = message.wParam == VK_LEFT || message.wParam == VK_UP;
  if (!back && message.wParam != VK_RIGHT && message.wParam != VK_DOWN) return false;
  HWND focus = GetFocus();
  if (!focus || !IsChild(form, focus)) return false;
  MSG copy = message;
  if (SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&copy)) &
      DLGC_WANTARROWS)
    return false;
  HWND next = GetNextDlgTabItem(form, focus, back);
  if (!next || next == focus) return true;
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    SendMessageW(next, EM_SETSEL, 0, -1);
  SetFocus(next);
  return true;
}

}  // namespace

bool HandleDialogKey(HWND form, MSG& message) {
  if (PressedFocusedButton(message) || MovedByArrow(form, message)) return true;
  return IsWindow(form) && IsDialogMessageW(form, &message);
}
