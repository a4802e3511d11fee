#pragma once

#include <span>
#include <string_view>

// A form as designed: everything both toolkits build a window from. Coordinates and font
// heights are pixels at 96 dots per inch; a toolkit scales them to the screen.

enum class ControlKind { Label, Edit, Button };

// The few colours the form uses, by role, so each toolkit maps them to its own palette.
enum class ControlColour { WindowText, Red };

struct FontDescription {
  std::string_view family;
  int pixelHeight;
  bool bold;
};

struct ControlDescription {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;
  std::string_view caption;
  const FontDescription* font;  // nullptr: the form's font
  ControlColour colour;
  bool readOnly;
  int tabOrder;                   // -1: not a tab stop (labels)
  std::string_view focusControl;  // a label: the control it names; else empty
};

struct FormDescription {
  std::string_view caption;
  int left, top, clientWidth, clientHeight;
  FontDescription font;
  std::span<const ControlDescription> controls;  // in creation order
};
