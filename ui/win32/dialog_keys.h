#pragma once

#include <windows.h>

// The keys that move between a form's controls and press its button, as in a dialog:
// Tab and Shift+Tab through the tab stops; the arrow keys where the focused control's plan
// sends them (from the button, to the next or previous stop), while in a field they move
// the caret; Space and Enter on the button press it. form is a toolkit window's handle.
// True when the message was one of these and has been handled; the message loop then
// drops it.
bool HandleDialogKey(HWND form, MSG& message);
