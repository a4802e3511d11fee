#pragma once

// The page's elements, made and read from WebAssembly; the only code that touches them.
// Texts cross as UTF-8. Pixel sizes are CSS pixels, which the browser scales.

#include <string>

namespace dom {

// The form's area: a fixed box at the page's top-left, hidden until shown.
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
// Tab visits the elements in this order; -1 takes an element out of it.
void SetTabIndex(const char* id, int index);
// The label names the field (its `for`), so the field's accessible name is its caption.
void NameByLabel(const char* label, const char* field);

std::string Text(const char* id);
void SetText(const char* id, const char* text);

// A modal dialog with a title, a message and an OK button. Closing it (Enter, Escape or the
// button) gives the focus back to where it was.
void ShowMessage(const char* title, const char* message);

}  // namespace dom
