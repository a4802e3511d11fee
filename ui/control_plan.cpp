#include "ui/control_plan.h"

#include <algorithm>

#include "ui/gui_library.h"

namespace {

// The form was drawn in Tahoma and Arial. Liberation Sans has Arial's metrics, and its
// digits come close to Tahoma's; the fallback most systems would pick instead (DejaVu
// Sans) is about a sixth wider, too wide for the longest results in a field. A system
// that has the designed face still uses it.
constexpr std::pair<std::string_view, std::string_view> kFallbacks[] = {
    {"Tahoma", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
};

FontPlan Resolve(const FontDescription& font) {
  return {font.family, FallbackFamily(font.family), font.pixelHeight, font.bold};
}

// A result is a field like any other, selectable and copyable, and the design gives it
// no colour of its own: it stands on the field face even where the system would grey a
// read-only field.
FaceColour FaceOf(ControlClass controlClass) {
  switch (controlClass) {
    case ControlClass::Edit:
      return FaceColour::Field;
    case ControlClass::Button:
      return FaceColour::Button;
    case ControlClass::Label:
      break;
  }
  return FaceColour::Window;
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

ControlPlan ResolveControl(const ControlDescription& d, const FormDescription& form) {
  const bool field = d.controlClass == ControlClass::Edit;
  return {
      .name = d.name,
      .caption = field ? std::string_view() : d.caption,
      .left = d.left,
      .top = d.top,
      .width = d.width,
      .height = d.height,
      .font = Resolve(d.font ? *d.font : form.font),
      .text = d.colour,
      .face = FaceOf(d.controlClass),
      .readOnly = field && d.readOnly,
      .maxLength = field ? TEdit::kMaxLength : 0,
      .tabStop = d.tabOrder >= 0,
      .tabIndex = d.tabOrder,
      .growsToCaption = d.controlClass == ControlClass::Label,
      // A long text left scrolled to its end would hide its sign and first digits.
      .showsStartWhenLeft = field,
      .arrowsMoveFocus = d.controlClass == ControlClass::Button,
  };
}

WindowPlan ResolveWindow(const FormDescription& form) {
  return {form.caption,     form.left,         form.top,
          form.clientWidth, form.clientHeight, Resolve(form.font)};
}
