#include "ui/gui_library.h"
#include "ui/win32/form_window.h"

// A static control. Standing just before its field in the z-order, its caption is what
// assistive technology announces as the field's name; it is no tab stop, so the tab order
// stays the fields' own.
TLabel::TLabel(const ControlDescription& description, TForm& form)
    : TControl(description, CreateControlWindow(form, description, L"STATIC",
                                                SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0)) {}
