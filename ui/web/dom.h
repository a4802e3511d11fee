#pragma once

// The page's elements, made and read from WebAssembly; the only code that touches them.
// Texts cross as UTF-8. Pixel sizes are CSS pixels, which the browser scales.

#include <string>

namespace dom {

// The form: its caption as a heading over its client area of the given size, hidden until
// shown.
void NewForm(int id, const char* caption, int width, int height, const char* family, int size,
             bool bold);
void RemoveForm(int id);
void ShowForm(int id);

enum class Kind { Label = 0, Edit = 1, Button = 2 };
struct Box {
  int left, top, width, height;
};
struct Look {
  const char* family;
  int size;
  bool bold;
  bool red;
};
// A <label>, an <input> (read-only where asked) or a <button> in the form's area; the
// button's press calls vorn_web_press(pressed).
void NewControl(int form, Kind kind, const char* id, const char* caption, Box box, Look look,
                bool readOnly, int maxLength, void* pressed);
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
