// Prints the calculator's form description as JSON, so that the browser and Wine tests
// take the captions, places and orders from the one description rather than a copy of
// their own: each control as described, and the tab order and reading order as the
// window's plan works them out.
// The texts are plain ASCII with no quote or backslash, so they need no escaping.

#include <cstdio>
#include <string_view>
#include <vector>

#include "ui/control_plan.h"
#include "ui/form1_description.h"

namespace {

constexpr std::string_view kClassNames[] = {"Label", "Edit", "Button"};

void PrintControl(const ControlDescription& c, const char* separator) {
  std::printf(
      "    {\"name\": \"%.*s\", \"class\": \"%.*s\", \"left\": %d, \"top\": %d, \"width\": %d, "
      "\"height\": %d, \"caption\": \"%.*s\", \"readOnly\": %s, \"tabOrder\": %d, "
      "\"focusControl\": \"%.*s\", \"red\": %s}%s\n",
      static_cast<int>(c.name.size()), c.name.data(),
      static_cast<int>(kClassNames[static_cast<int>(c.kind)].size()),
      kClassNames[static_cast<int>(c.kind)].data(), c.left, c.top, c.width, c.height,
      static_cast<int>(c.caption.size()), c.caption.data(), c.readOnly ? "true" : "false",
      c.tabOrder, static_cast<int>(c.focusControl.size()), c.focusControl.data(),
      c.colour == ControlColour::Red ? "true" : "false", separator);
}

void PrintNames(const char* key, const std::vector<std::string_view>& names) {
  std::printf("  \"%s\": [", key);
  for (std::size_t i = 0; i < names.size(); ++i)
    std::printf("%s\"%.*s\"", i ? ", " : "", static_cast<int>(names[i].size()), names[i].data());
  std::printf("],\n");
}

}  // namespace

int main() {
  const FormDescription& form = kForm1Description;
  std::printf(
      "{\n  \"caption\": \"%.*s\", \"clientWidth\": %d, \"clientHeight\": %d,\n",
      static_cast<int>(form.caption.size()), form.caption.data(), form.clientWidth,
      form.clientHeight);
  const WindowPlan plan = ResolveWindow(form);
  PrintNames("tabOrder", plan.tabOrder);
  PrintNames("readingOrder", plan.readingOrder);
  std::printf("  \"controls\": [\n");
  for (std::size_t i = 0; i < form.controls.size(); ++i)
    PrintControl(form.controls[i], i + 1 < form.controls.size() ? "," : "");
  std::printf("  ]\n}\n");
}
