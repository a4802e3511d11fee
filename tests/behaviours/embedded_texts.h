#pragma once

// The texts of tests/behaviours/window.txt and tests/behaviours/worked_example.txt, built into the
// test program (tests/CMakeLists.txt generates their definitions), so that a run under
// Wine needs no path of the build machine.

#include <string_view>

extern const std::string_view kWindowSuiteText;
extern const std::string_view kWorkedExampleText;
