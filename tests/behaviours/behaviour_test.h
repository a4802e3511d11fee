#pragma once

// The suite's behaviours as one parametrised test, named by behaviour, for a toolkit's
// fixture to instantiate: INSTANTIATE_BEHAVIOURS(Fixture).

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/behaviours/embedded_texts.h"
#include "tests/behaviours/runner.h"
#include "ui/form1.h"

// A failure names the behaviour rather than printing its bytes.
inline void PrintTo(const Behaviour& behaviour, std::ostream* out) {
  *out << behaviour.name;
}

inline std::string BehaviourName(const testing::TestParamInfo<Behaviour>& info) {
  return info.param.name;
}

#define INSTANTIATE_BEHAVIOURS(Fixture)                                                            \
  TEST_P(Fixture, Behaves) {                                                                       \
    RunBehaviour(GetParam(), Driver(), kForm1Description, ParseWorkedExample(kWorkedExampleText)); \
  }                                                                                                \
  INSTANTIATE_TEST_SUITE_P(Window, Fixture, testing::ValuesIn(ParseSuite(kWindowSuiteText)),       \
                           BehaviourName)
