#pragma once

// The page's elements, made and read from WebAssembly; the only code that touches them.
// Texts cross as UTF-8. Pixel sizes are CSS pixels, which the browser scales. Elements are
// found by their id.
//
// The page is built with the form already in it, made by this same code when the site was
// built: a New call that finds its element adopts it and returns false, and the caller
// then gives it only what the page's HTML cannot hold, its event handlers.

#include <string>

namespace dom {

// The form, with id "form<id>": its caption as a heading over its client area, hidden
// until shown.
bool NewForm(int id, const char* caption);
void SetClientArea(int id, int width, int height);
void RemoveForm(int id);
void ShowForm(int id);

// An element of that tag in the form's client area, with the caption as its text.
bool NewControl(int form, const char* tag, const char* id, const char* caption);
// The designed place and size, which the style sheet applies wherever the page is wide
// enough for the form as designed.
void Place(const char* id, int left, int top, int width, int height);
// The font of the element the CSS selector finds; families is a CSS font-family list.
void SetFont(const char* selector, const char* families, int size, bool bold);
// The text's and the ground's colour (CSS values; no text: the element's own) of the
// element the selector finds.
void SetColours(const char* selector, const char* text, const char* face);
// The room between a field's border and its text, on each side.
void SetTextMargin(const char* id, int margin);
void AddClass(const char* id, const char* name);
// A text input, with no correction, capitalisation or filling.
void MakeField(const char* id, bool readOnly, int maxLength);

// Handlers, for made and adopted elements alike.
void ShowStartWhenLeft(const char* id);
// From the element Right or Down moves the focus to the element next, Left or Up to
// previous (empty: neither), selecting a field's text; the page's start script does it,
// for the element marked here.
void MoveFocusWithArrows(const char* id, const char* next, const char* previous);
// A press calls vorn_web_press(button).
void PressCalls(const char* id, void* button);

// Called for each stop in tab order, and with false for every other element: Tab visits
// the stops in the order of these calls and no other element.
void SetTabStop(const char* id, bool stop);
// The label stands just before the control, and names it if it is a field (its `for`), so
// that the field's accessible name is its caption.
void NameByLabel(const char* label, const char* control);
// The element's place, from 0, in the single column that a narrow screen shows.
void SetRow(const char* id, int row);

std::string Text(const char* id);
void SetText(const char* id, const char* text);

// A modal dialog with a title, a message and an OK button. Closing it (Enter, Escape or the
// button) gives the focus back to where it was.
void ShowMessage(const char* title, const char* message);

}  // namespace dom
