#pragma once

// The page's elements, made and read from WebAssembly; the only code that touches them,
// written as JavaScript in dom.cpp and called directly. Texts cross as UTF-8. Pixel sizes
// are CSS pixels, which the browser scales. Elements are found by their id.
//
// The page is built with the form already in it, made by this same code when the site was
// built: a New call that finds its element adopts it and returns 0, and the caller then
// gives it only what the page's HTML cannot hold, its event handlers.

#include <emscripten/em_macros.h>

#include <string>

// Each is a JavaScript function of dom.cpp, which the program imports by its name.
#define VORN_DOM(ret, name, params) ret name params EM_IMPORT(name)

extern "C" {

// The form, with id "form<id>": its caption as a heading over its client area, hidden
// until shown.
VORN_DOM(int, vorn_dom_new_form, (int id, const char* caption));
VORN_DOM(void, vorn_dom_set_client_area, (int id, int width, int height));
VORN_DOM(void, vorn_dom_remove_form, (int id));
VORN_DOM(void, vorn_dom_show_form, (int id));

// An element of that tag in the form's client area, with the caption as its text.
VORN_DOM(int, vorn_dom_new_control,
         (int form, const char* tag, const char* id, const char* caption));
// The designed place and size, which the style sheet applies wherever the page is wide
// enough for the form as designed.
VORN_DOM(void, vorn_dom_place, (const char* id, int left, int top, int width, int height));
// The font of the element the CSS selector finds; families is a CSS font-family list.
VORN_DOM(void, vorn_dom_set_font, (const char* selector, const char* families, int size, int bold));
// The text's and the ground's colour (CSS values; no text: the element's own) of the
// element the selector finds.
VORN_DOM(void, vorn_dom_set_colours, (const char* selector, const char* text, const char* ground));
// The room between a field's border and its text, on each side.
VORN_DOM(void, vorn_dom_set_text_margin, (const char* id, int margin));
VORN_DOM(void, vorn_dom_add_class, (const char* id, const char* name));
// A text input, with no correction, capitalisation or filling.
VORN_DOM(void, vorn_dom_make_field, (const char* id, int readOnly, int maxLength));

// Handlers, for made and adopted elements alike.
VORN_DOM(void, vorn_dom_show_start_when_left, (const char* id));
// Marks for the page's start script, which moves the focus for the arrow keys as they say
// (see ArrowTarget in control_plan.h): next and previous (empty: neither), and the held
// keys with which an arrow still moves, as a space-separated list of KeyboardEvent
// properties ("shiftKey ctrlKey").
VORN_DOM(void, vorn_dom_move_focus_with_arrows,
         (const char* id, const char* next, const char* previous, const char* movesWith));
// A press calls vorn_web_press(control).
VORN_DOM(void, vorn_dom_press_calls, (const char* id, void* control));

// Called for each stop in tab order, and with 0 for every other element: Tab visits the
// stops in the order of these calls and no other element.
VORN_DOM(void, vorn_dom_set_tab_stop, (const char* id, int stop));
// The label stands just before the control, and names it if it is a field (its `for`), so
// that the field's accessible name is its caption.
VORN_DOM(void, vorn_dom_name_by_label, (const char* label, const char* control));
// The element's place, from 0, in the single column that a narrow screen shows.
VORN_DOM(void, vorn_dom_set_row, (const char* id, int row));

// A copy of the element's text, which the caller frees.
VORN_DOM(char*, vorn_dom_text, (const char* id));
VORN_DOM(void, vorn_dom_set_text, (const char* id, const char* text));

// A modal dialog with a title, a message and an OK button. Closing it (Enter, Escape or the
// button) gives the focus back to where it was.
VORN_DOM(void, vorn_dom_show_message, (const char* title, const char* message));

}  // extern "C"

#undef VORN_DOM

namespace dom {

// The element's text as a string of its own.
std::string Text(const char* id);

}  // namespace dom
