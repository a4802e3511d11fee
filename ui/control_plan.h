#pragma once

// A window and its controls as a toolkit makes them: the form's description with every
// rule of the shared layer already applied, so that a toolkit maps each field to native
// calls and decides nothing itself. Each rule is written once, in control_plan.cpp.
//
// Every field is for every toolkit. Where one cannot honour a field, the field's comment
// says so and why; nothing else may be left unread.

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/form_description.h"

// A face as asked for, and the face with the same metrics that stands in for it where the
// system does not have it (empty: none is needed). Toolkits try them in this order; the
// page names both in its font list.
struct FontPlan {
  std::string_view family;
  std::string_view fallback;
  int pixelHeight;
  bool bold;

  bool operator==(const FontPlan&) const = default;
};

// The system palette's colour for a part of a window, which follows the user's theme, or
// a colour of the design's own, which no theme changes.
enum class ColourRole { WindowText, Window, FieldText, Field, ButtonText, Button, Fixed };

struct Colour {
  ColourRole role;
  std::uint32_t rgb = 0;  // 0xRRGGBB, for ColourRole::Fixed only

  bool operator==(const Colour&) const = default;
};

struct Size {
  int width, height;
};

enum class Arrow { Left, Up, Right, Down };
// The keys that can be held with another, as bits.
enum HeldKey : unsigned { kShift = 1, kControl = 2, kAlt = 4, kMeta = 8 };

struct ControlPlan {
  std::string_view name;         // unique in its window
  std::string_view caption;      // a label's or button's text; empty for fields
  int left, top, width, height;  // designed pixels (96 dpi) in the window's client area
  FontPlan font;
  ControlKind kind;
  Colour text;    // its text's colour
  Colour ground;  // what it is drawn on
  // The room between a field's border and its text, in designed pixels a side; 0 for
  // controls that are not fields. Qt's styles set a field's room themselves and offer no
  // way to narrow it short of a style sheet, which would replace the style; Qt leaves it.
  int textMargin;
  bool readOnly;
  int maxLength;  // characters a user can type or paste; 0: not a field
  bool tabStop;   // whether Tab (and a click) can give it the focus
  // A label measures its caption in the face it really got and widens or heightens
  // itself to fit it, never shrinking below the design and never moving.
  bool growsToCaption;
  // A field that loses the focus to another control of the same window shows its text
  // from the first character again; leaving the window keeps the view for the return.
  bool showsStartWhenLeft;
  // Where Right or Down (next) and Left or Up (previous) take the focus from this
  // control, with the text selected if it is a field, as Tab selects it; empty where the
  // control keeps the arrow keys for itself, as a field does for its caret.
  std::string_view arrowNext;
  std::string_view arrowPrevious;
  // The held keys (HeldKey bits) with which an arrow still moves the focus as it does
  // alone. With any other held, the key is the system's: nothing moves, and nothing
  // cancels the key (in a browser, Alt+Left goes back).
  unsigned arrowMovesWith;

  // The size to give the control, once the toolkit has measured its caption, in the same
  // pixels as `designed`.
  Size Fitted(Size designed, Size captionNeeds) const;
  // Where the arrow, pressed with the keys held (HeldKey bits), takes the focus; empty
  // where it does not: the control keeps the key (a field's caret), or it is the system's.
  // A control with an arrow target takes no arrow for itself: a toolkit whose native
  // control would move the focus by its own rule withholds the key from it.
  std::string_view ArrowTarget(Arrow arrow, unsigned held) const;
};

struct WindowPlan {
  std::string_view caption;
  int left, top;                  // the frame's top-left corner on the screen
  int clientWidth, clientHeight;  // designed pixels
  FontPlan font;                  // the controls' font unless theirs says otherwise
  Colour ground;                  // what the client area is drawn on
  // The controls Tab visits, in that order, by name; every toolkit gets it through
  // SetTabOrder.
  std::vector<std::string_view> tabOrder;
  // Every control as the eye reads the form, by name, through SetReadingOrder: the page
  // stacks its phone column in it, while Qt and Win32, which keep the designed places at
  // every size, have no use for it.
  std::vector<std::string_view> readingOrder;
};

ControlPlan ResolveControl(const ControlDescription& control, const FormDescription& form);
WindowPlan ResolveWindow(const FormDescription& form);
// The metric-compatible face for a designed one, or empty where none is known.
std::string_view FallbackFamily(std::string_view family);
