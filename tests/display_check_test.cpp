#include "app/display_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

// Runs the check under exactly the given display variables and restores the others.
std::string ProblemWith(const std::map<std::string, std::string>& environment) {
  const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"};
  std::map<std::string, std::string> saved;
  for (const char* name : names) {
    if (const char* value = std::getenv(name)) saved[name] = value;
    unsetenv(name);
  }
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
  const std::string problem = DisplayProblem();
  for (const char* name : names) unsetenv(name);
  for (const auto& [name, value] : saved) setenv(name.c_str(), value.c_str(), 1);
  return problem;
}

TEST(DisplayProblem, ExplainsAMissingOrSilentDisplay) {
  const struct {
    std::map<std::string, std::string> environment;
    std::string problem;
  } cases[] = {
      {{{"QT_QPA_PLATFORM", "offscreen"}}, ""},
      {{{"DISPLAY", "otherhost:0"}}, ""},  // a remote server is taken on trust
      {{},
       "no graphical display was found; start the calculator from a desktop session, or under "
       "xvfb-run for a virtual display"},
      {{{"DISPLAY", ":987"}},
       "the display :987 does not answer; start the calculator from a running desktop session"},
      {{{"WAYLAND_DISPLAY", "wayland-987"}, {"XDG_RUNTIME_DIR", "/nonexistent"}},
       "no graphical display was found; start the calculator from a desktop session, or under "
       "xvfb-run for a virtual display"},
  };
  for (const auto& c : cases) {
    std::string described;
    for (const auto& [name, value] : c.environment) described += name + "=" + value + " ";
    EXPECT_EQ(ProblemWith(c.environment), c.problem) << described;
  }
}

}  // namespace
