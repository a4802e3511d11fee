#include "tests/behaviours/runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include "tests/shared/widest_results.h"
#include "ui/form1.h"

namespace {

// The tab stops in the description's order.
std::vector<std::string> TabStops(const FormDescription& description) {
  std::vector<const ControlDescription*> stops;
  for (const ControlDescription& c : description.controls)
    if (c.tabOrder >= 0) stops.push_back(&c);
  std::ranges::sort(stops, {}, &ControlDescription::tabOrder);
  std::vector<std::string> names;
  for (const ControlDescription* c : stops) names.emplace_back(c->name);
  return names;
}

// A key as a step writes it, with the keys held before it: "Right", "Shift+Right".
std::pair<Key, Held> KeyNamed(std::string_view written) {
  static const std::map<std::string_view, Key> keys = {
      {"Tab", Key::Tab},     {"Space", Key::Space}, {"Enter", Key::Enter}, {"Left", Key::Left},
      {"Right", Key::Right}, {"Up", Key::Up},       {"Down", Key::Down},   {"End", Key::End}};
  Held held;
  const std::map<std::string_view, bool*> holds = {
      {"Shift", &held.shift}, {"Ctrl", &held.ctrl}, {"Alt", &held.alt}, {"Meta", &held.meta}};
  for (std::size_t plus; (plus = written.find('+')) != std::string_view::npos;
       written.remove_prefix(plus + 1)) {
    const auto hold = holds.find(written.substr(0, plus));
    if (hold == holds.end()) throw std::runtime_error("no held key " + std::string(written));
    *hold->second = true;
  }
  const auto key = keys.find(written);
  if (key == keys.end()) throw std::runtime_error("no key " + std::string(written));
  return {key->second, held};
}

class Run {
 public:
  Run(WindowDriver& window, const FormDescription& description, const WorkedExample& example)
      : window_(window),
        description_(description),
        example_(example),
        stops_(TabStops(description)) {}

  void Do(const Step& step) {
    const auto& a = step.args;
    const std::map<std::string, std::function<void()>> verbs = {
        {"focus", [&] { window_.Focus(Name(a.at(0))); }},
        {"key",
         [&] {
           const auto [key, held] = KeyNamed(a.at(0));
           window_.Press(key, held);
         }},
        {"type", [&] { window_.Type(Name(a.at(0)), ExpandText(a.at(1))); }},
        {"set-text", [&] { window_.SetText(Name(a.at(0)), ExpandText(a.at(1))); }},
        {"paste", [&] { window_.Paste(Name(a.at(0)), std::string(Count(a.at(1), 0), '1')); }},
        {"select", [&] { window_.Select(Name(a.at(0)), Count(a.at(1), 0), Count(a.at(2), 0)); }},
        {"click", [&] { window_.Click(Name(a.at(0))); }},
        {"type-worked-example", [&] { TypeWorkedExample(); }},
        {"expect-worked-example", [&] { ExpectWorkedExample(); }},
        {"expect-focus", [&] { EXPECT_EQ(window_.Focused(), Name(a.at(0))); }},
        {"expect-text", [&] { ExpectText(Name(a.at(0)), a.size() > 1 ? a[1] : ""); }},
        {"expect-selection", [&] { ExpectSelection(Name(a.at(0)), a.at(1), a.at(2)); }},
        {"expect-length",
         [&] {
           const std::string name = Name(a.at(0));
           EXPECT_EQ(static_cast<int>(window_.Text(name).size()), Count(a.at(1), 0)) << name;
         }},
        {"expect-reports", [&] { EXPECT_EQ(window_.TakeReports(), std::stoi(a.at(0))); }},
        {"expect-start-shown",
         [&] { EXPECT_TRUE(window_.View(Name(a.at(0))).startShown) << a[0]; }},
        {"expect-start-hidden",
         [&] { EXPECT_FALSE(window_.View(Name(a.at(0))).startShown) << a[0]; }},
        {"expect-every-result-whole", [&] { ExpectEveryResultWhole(Name(a.at(0))); }},
        {"expect-tab-cycle", [&] { ExpectTabCycle(); }},
        {"expect-editable-as-described", [&] { ExpectEditableAsDescribed(); }},
    };
    const auto verb = verbs.find(step.verb);
    if (verb == verbs.end()) throw std::runtime_error("no step " + step.verb);
    verb->second();
  }

 private:
  // A control's name, or its neighbouring stop's for next:NAME and previous:NAME.
  std::string Name(const std::string& written) const {
    const std::size_t colon = written.find(':');
    if (colon == std::string::npos) return written;
    const int step = written.substr(0, colon) == "next" ? 1 : -1;
    const auto at = std::ranges::find(stops_, written.substr(colon + 1)) - stops_.begin();
    const int count = static_cast<int>(stops_.size());
    return stops_[(static_cast<int>(at) + step + count) % count];
  }

  int Count(const std::string& written, int end) const {
    return ExpandCount(written, kPromisedFieldLimit, end);
  }

  void TypeWorkedExample() {
    for (const auto& [name, text] : example_.inputs) window_.Type(name, text);
  }

  void ExpectWorkedExample() {
    for (const auto& [name, text] : example_.results) ExpectText(name, text);
  }

  void ExpectText(const std::string& name, const std::string& text) {
    EXPECT_EQ(window_.Text(name), ExpandText(text)) << name;
  }

  void ExpectSelection(const std::string& name, const std::string& from, const std::string& to) {
    const int end = static_cast<int>(window_.Text(name).size());
    const std::pair<int, int> expected{Count(from, end), Count(to, end)};
    EXPECT_EQ(window_.Selection(name), expected) << name << " holding " << window_.Text(name);
  }

  // The caret at the end must not scroll a text that fits.
  void ExpectEveryResultWhole(const std::string& name) {
    for (const std::string& text : EveryResultShape()) {
      window_.SetText(name, text);
      window_.Focus(name);
      window_.Press(Key::End, {});
      const TextView view = window_.View(name);
      EXPECT_TRUE(view.startShown && view.endShown)
          << name << " holding " << text << ", its caret at the end, shows it cut";
    }
  }

  // From the focused control around the stops and back to it.
  void ExpectTabCycle() {
    const std::string from = window_.Focused();
    const auto at = std::ranges::find(stops_, from) - stops_.begin();
    for (std::size_t i = 1; i <= stops_.size(); ++i) {
      window_.Press(Key::Tab, {});
      EXPECT_EQ(window_.Focused(), stops_[(at + i) % stops_.size()])
          << "Tab " << i << " from " << from;
    }
  }

  void ExpectEditableAsDescribed() {
    for (const ControlDescription& c : description_.controls) {
      if (c.kind != ControlKind::Edit) continue;
      const std::string name(c.name), before = window_.Text(name);
      window_.Type(name, "7");
      EXPECT_EQ(window_.Text(name), c.readOnly ? before : "7")
          << name << (c.readOnly ? " is read-only" : " is editable");
    }
  }

  WindowDriver& window_;
  const FormDescription& description_;
  const WorkedExample& example_;
  const std::vector<std::string> stops_;
};

}  // namespace

void RunBehaviour(const Behaviour& behaviour, WindowDriver& window,
                  const FormDescription& description, const WorkedExample& example) {
  Run run(window, description, example);
  for (const Step& step : behaviour.steps) {
    std::string written = step.verb;
    for (const std::string& arg : step.args) written += " " + arg.substr(0, 40);
    SCOPED_TRACE("tests/behaviours/window.txt:" + std::to_string(step.line) + ": " + written);
    run.Do(step);
  }
}
