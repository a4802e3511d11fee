#pragma once

// A window and its controls as a toolkit makes them: the form's description with every
// rule of the shared layer already applied, so that a toolkit maps each field to native
// calls and decides nothing itself. Each rule is written once, in control_plan.cpp.

#include <string_view>

#include "ui/form_description.h"

// A face as asked for, and the face with the same metrics that stands in for it where the
// system does not have it (empty: none is needed). Toolkits try them in this order.
struct FontPlan {
  std::string_view family;
  std::string_view fallback;
  int pixelHeight;
  bool bold;

  bool operator==(const FontPlan&) const = default;
};

// The face a control stands on, by role, for the toolkit's own palette.
enum class FaceColour { Window, Field, Button };

struct Size {
  int width, height;
};

struct ControlPlan {
  std::string_view name;         // unique in its window
  std::string_view caption;      // a label's or button's text; empty for fields
  int left, top, width, height;  // designed pixels (96 dpi) in the window's client area
  FontPlan font;
  ControlColour text;
  FaceColour face;
  bool readOnly;
  int maxLength;  // characters a user can type or paste; 0: not a field
  bool tabStop;   // whether Tab (and a click) can give it the focus
  int tabIndex;   // its place among the stops, from 0; -1 for the others
  // A label measures its caption in the face it really got and widens or heightens
  // itself to fit it, never shrinking below the design and never moving.
  bool growsToCaption;
  // A field that loses the focus to another control of the same window shows its text
  // from the first character again; leaving the window keeps the view for the return.
  bool showsStartWhenLeft;
  // The arrow keys take the focus to the next tab stop (Right, Down) or the previous one
  // (Left, Up), wrapping, with a field's text selected; set where the control has no use
  // for them, as a button has none.
  bool arrowsMoveFocus;

  // The size to give the control, once the toolkit has measured its caption, in the same
  // pixels as `designed`.
  Size Fitted(Size designed, Size captionNeeds) const;
};

struct WindowPlan {
  std::string_view caption;
  int left, top;                  // the frame's top-left corner on the screen
  int clientWidth, clientHeight;  // designed pixels
  FontPlan font;                  // the controls' font unless theirs says otherwise
};

ControlPlan ResolveControl(const ControlDescription& control, const FormDescription& form);
WindowPlan ResolveWindow(const FormDescription& form);
// The metric-compatible face for a designed one, or empty where none is known.
std::string_view FallbackFamily(std::string_view family);
