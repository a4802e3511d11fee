#include "ui/gui_library.h"
#include "ui/win32/form_window.h"

// The form's window procedure calls Click() for the button's BN_CLICKED, which the button
// sends for the mouse, for Space, and for Enter (see the message loop).
TButton::TButton(const ControlDescription& description, TForm& form)
    : TControl(description,
               CreateControlWindow(form, description, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0)) {}
