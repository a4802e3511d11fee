#include "ui/gui_library.h"
#include "ui/win32/form_window.h"

// A read-only edit can still be focused, selected and copied from, as a result should.
TEdit::TEdit(const ControlDescription& description, TForm& form)
    : TControl(description, CreateControlWindow(form, description, L"EDIT",
                                                WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL |
                                                    (description.readOnly ? ES_READONLY : 0),
                                                WS_EX_CLIENTEDGE)) {}
