#pragma once

// The window's behaviours as tests/behaviours/window.txt writes them, and the worked
// example of tests/behaviours/worked_example.txt, read from their text.

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct Step {
  int line;                       // in the suite's file, for the failure message
  std::string verb;               // "key", "expect-focus", ...
  std::vector<std::string> args;  // the words after it
};

struct Behaviour {
  std::string name;
  std::vector<Step> steps;
};

std::vector<Behaviour> ParseSuite(std::string_view text);

struct WorkedExample {
  std::map<std::string, std::string> inputs;   // by field name, in no particular order
  std::map<std::string, std::string> results;  // by field name
};

WorkedExample ParseWorkedExample(std::string_view text);

// A text as a step writes it, with C{N} standing for N times the character C.
std::string ExpandText(std::string_view written);

// The most characters a field takes, as the README promises it: the suite's "limit",
// written here rather than taken from the code under test.
constexpr int kPromisedFieldLimit = 32767;

// A count as a step writes it: a number, "limit" (a field's maximum length), "limit+N",
// or "end" (the length of the text it refers to).
int ExpandCount(std::string_view written, int limit, int end);
