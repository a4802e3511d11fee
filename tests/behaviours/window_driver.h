#pragma once

// What the behaviour suite does to a calculator window and reads from it, by control
// name, as a user would; each toolkit's test implements it on its native controls.

#include <string>
#include <utility>

enum class Key { Tab, Space, Enter, Left, Right, Up, Down, End };

// The keys held down while a key is pressed.
struct Held {
  bool shift = false, ctrl = false, alt = false, meta = false;
};

// Which ends of a field's text are in view.
struct TextView {
  bool startShown;
  bool endShown;
};

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  virtual void Focus(const std::string& name) = 0;
  virtual void Press(Key key, Held held) = 0;  // on the control that has the focus
  // Selects all of the field's text and types over it, key by key, as the user does.
  virtual void Type(const std::string& name, const std::string& text) = 0;
  virtual void SetText(const std::string& name, const std::string& text) = 0;
  // Selects all of the field's text and pastes over it from the clipboard.
  virtual void Paste(const std::string& name, const std::string& text) = 0;
  virtual void Select(const std::string& name, int from, int to) = 0;
  virtual void Click(const std::string& name) = 0;

  virtual std::string Focused() = 0;  // the name of the control with the focus
  virtual std::string Text(const std::string& name) = 0;
  virtual std::pair<int, int> Selection(const std::string& name) = 0;
  virtual TextView View(const std::string& name) = 0;
  virtual int TakeReports() = 0;  // the error reports shown since the last call
};
