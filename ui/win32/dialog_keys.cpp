#include "ui/win32/dialog_keys.h"

#include <optional>

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

std::optional<Arrow> ArrowOf(WPARAM key) {
  switch (key) {
    case VK_LEFT:
      return Arrow::Left;
    case VK_UP:
      return Arrow::Up;
    case VK_RIGHT:
      return Arrow::Right;
    case VK_DOWN:
      return Arrow::Down;
    default:
      return std::nullopt;
  }
}

// The keys held as the message was sent. Alt turns a key down into WM_SYSKEYDOWN.
unsigned Held(const MSG& message) {
  const auto down = [](int key) { return GetKeyState(key) < 0; };
  return (down(VK_SHIFT) ? kShift : 0u) | (down(VK_CONTROL) ? kControl : 0u) |
         (message.message == WM_SYSKEYDOWN || down(VK_MENU) ? kAlt : 0u) |
         (down(VK_LWIN) || down(VK_RWIN) ? kMeta : 0u);
}

// The dialog manager asks a window that is not a dialog to move the focus for an arrow key
// (WM_NEXTDLGCTL), which only a dialog's own procedure does; so the move is made here,
// where the focused control's plan says, with a field's text selected as Tab selects it.
// An arrow the plan does not move goes on as usual: a field's caret, or the system's.
bool MovedByArrow(HWND form, const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  const std::optional<Arrow> arrow = ArrowOf(message.wParam);
  if (!arrow) return false;
  const auto* window = reinterpret_cast<toolkit::Window*>(GetWindowLongPtrW(form, GWLP_USERDATA));
  HWND focus = GetFocus();
  const toolkit::Control* from =
      window ? Find(*window, [focus](const auto& c) { return c.handle == focus; }) : nullptr;
  if (!from) return false;
  const std::string_view to = from->plan.ArrowTarget(*arrow, Held(message));
  if (to.empty()) return false;
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
