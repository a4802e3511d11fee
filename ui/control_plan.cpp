#include "ui/control_plan.h"

#include <algorithm>

namespace {

// The form was drawn in Tahoma and Arial. Liberation Sans has Arial's metrics, and its
// digits come close to Tahoma's; the fallback most systems would pick instead (DejaVu
// Sans) is about a seventh wider, too wide for the longest results in a field. A system
// that has the designed face still uses it.
constexpr std::pair<std::string_view, std::string_view> kFallbacks[] = {
    {"Tahoma", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
};

// The hint's red is the design's own, pure red, whatever the theme.
constexpr std::uint32_t kRed = 0xFF0000;

// The most characters a user can type or paste into a field, on every toolkit: the most a
// Win32 edit control takes by default, and far more than any number needs.
constexpr int kFieldMaxLength = 32767;

// The default under Wine follows the font and is about four pixels a side, which left the
// longest results (22 characters) a pixel or two short of room in a 137-pixel field.
constexpr int kFieldTextMargin = 1;

// As a native push button and a dialog manager take them: Shift and Ctrl change nothing,
// while Alt and Meta (the Windows or Command key) make a key the system's own shortcut.
constexpr unsigned kArrowMovesWith = kShift | kControl;

FontPlan Resolve(const FontDescription& font) {
  return {font.family, FallbackFamily(font.family), font.pixelHeight, font.bold};
}

// The palette's text and ground for each kind of control. A result is a field like any
// other, selectable and copyable, and the design gives it no colour of its own: it stands
// on the field ground even where the system would grey a read-only field.
struct Colours {
  Colour text, ground;
};

Colours ColoursOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return {{ColourRole::FieldText}, {ColourRole::Field}};
    case ControlKind::Button:
      return {{ColourRole::ButtonText}, {ColourRole::Button}};
    case ControlKind::Label:
      break;
  }
  return {{ColourRole::WindowText}, {ColourRole::Window}};
}

using Controls = std::vector<const ControlDescription*>;

// One comparison type for every ordering below, so the sort is compiled once: it is the
// largest part of these rules in the page's program.
using Order = bool (*)(const ControlDescription*, const ControlDescription*);

bool ByTabOrder(const ControlDescription* a, const ControlDescription* b) {
  return a->tabOrder < b->tabOrder;
}

bool ByPlace(const ControlDescription* a, const ControlDescription* b) {
  return std::pair(a->top, a->left) < std::pair(b->top, b->left);
}

bool ByLeft(const ControlDescription* a, const ControlDescription* b) {
  return a->left < b->left;
}

void Sort(Controls::iterator first, Controls::iterator last, Order order) {
  std::sort(first, last, order);
}

Controls TabStops(const FormDescription& form) {
  Controls stops;
  for (const ControlDescription& control : form.controls) {
    if (control.tabOrder >= 0) stops.push_back(&control);
  }
  Sort(stops.begin(), stops.end(), ByTabOrder);
  return stops;
}

// The stop `step` places from the control in tab order, wrapping round the ends as Tab
// does. A button has no use for the arrow keys, so they move the focus from it, as in a
// dialog; every other control keeps them.
std::string_view NeighbouringStop(const ControlDescription& from, const FormDescription& form,
                                  int step) {
  if (from.kind != ControlKind::Button) return {};
  const auto stops = TabStops(form);
  const auto at = std::find(stops.begin(), stops.end(), &from);
  if (at == stops.end()) return {};
  const auto count = static_cast<int>(stops.size());
  const int index = static_cast<int>(at - stops.begin());
  return stops[static_cast<std::size_t>((index + step + count) % count)]->name;
}

// Rows from the top, where a row is the controls whose vertical extents overlap, each row
// from the left.
std::vector<std::string_view> ReadingOrder(const FormDescription& form) {
  Controls order;
  for (const ControlDescription& control : form.controls) order.push_back(&control);
  Sort(order.begin(), order.end(), ByPlace);
  for (auto row = order.begin(); row != order.end();) {
    auto end = row + 1;
    for (int bottom = (*row)->top + (*row)->height; end != order.end() && (*end)->top < bottom;
         ++end)
      bottom = std::max(bottom, (*end)->top + (*end)->height);
    Sort(row, end, ByLeft);
    row = end;
  }
  std::vector<std::string_view> names;
  for (const auto* control : order) names.push_back(control->name);
  return names;
}

}  // namespace

std::string_view FallbackFamily(std::string_view family) {
  for (const auto& [designed, fallback] : kFallbacks) {
    if (designed == family) return fallback;
  }
  return {};
}

// A metric-compatible face with other hinting can need a pixel or two more than the
// design gave a caption; growing keeps every caption whole and on one line.
Size ControlPlan::Fitted(Size designed, Size captionNeeds) const {
  if (!growsToCaption) return designed;
  return {std::max(designed.width, captionNeeds.width),
          std::max(designed.height, captionNeeds.height)};
}

std::string_view ControlPlan::ArrowTarget(Arrow arrow, unsigned held) const {
  if (held & ~arrowMovesWith) return {};
  return arrow == Arrow::Right || arrow == Arrow::Down ? arrowNext : arrowPrevious;
}

ControlPlan ResolveControl(const ControlDescription& d, const FormDescription& form) {
  const ControlKind kind = d.kind;
  const bool field = kind == ControlKind::Edit;
  const Colours colours = ColoursOf(kind);
  return {
      .name = d.name,
      .caption = field ? std::string_view() : d.caption,
      .left = d.left,
      .top = d.top,
      .width = d.width,
      .height = d.height,
      .font = Resolve(d.font ? *d.font : form.font),
      .kind = kind,
      .text = d.colour == ControlColour::Red ? Colour{ColourRole::Fixed, kRed} : colours.text,
      .ground = colours.ground,
      .textMargin = field ? kFieldTextMargin : 0,
      .readOnly = field && d.readOnly,
      .maxLength = field ? kFieldMaxLength : 0,
      .tabStop = d.tabOrder >= 0,
      .growsToCaption = kind == ControlKind::Label,
      // A long text left scrolled to its end would hide its sign and first digits.
      .showsStartWhenLeft = field,
      .arrowNext = NeighbouringStop(d, form, 1),
      .arrowPrevious = NeighbouringStop(d, form, -1),
      .arrowMovesWith = kArrowMovesWith,
  };
}

WindowPlan ResolveWindow(const FormDescription& form) {
  std::vector<std::string_view> tabOrder;
  for (const auto* stop : TabStops(form)) tabOrder.push_back(stop->name);
  return {.caption = form.caption,
          .left = form.left,
          .top = form.top,
          .clientWidth = form.clientWidth,
          .clientHeight = form.clientHeight,
          .font = Resolve(form.font),
          .ground = {ColourRole::Window},
          .tabOrder = std::move(tabOrder),
          .readingOrder = ReadingOrder(form)};
}
