// Prints the window's behaviours and the worked example as JSON, read by the same parser
// the Qt and Win32 runners use, so that the page's runner in each browser takes the very
// steps they take and has no reading of the suite's text of its own.
// Each argument comes as written, with its text expanded (C{N}), and, where it is a count,
// as the count the C++ runner would make of it: fixed + perEnd * (the text's length), for
// only "end" depends on the run. The texts of expect-every-result-whole come as
// "resultShapes" (EveryResultShape).

#include <cctype>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tests/behaviours/embedded_texts.h"
#include "tests/behaviours/suite.h"
#include "tests/shared/widest_results.h"

namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

bool IsCount(std::string_view written) {
  if (written == "end" || written.starts_with("limit")) return true;
  for (const char c : written)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return !written.empty();
}

// ExpandCount is affine in the text's length, so two ends give it whole.
std::string Count(std::string_view written) {
  if (!IsCount(written)) return "null";
  const int fixed = ExpandCount(written, kPromisedFieldLimit, 0);
  const int perEnd = ExpandCount(written, kPromisedFieldLimit, 1) - fixed;
  return "{\"fixed\": " + std::to_string(fixed) + ", \"perEnd\": " + std::to_string(perEnd) + "}";
}

void PrintStep(const Step& step, const char* separator) {
  std::string args, texts, counts;
  for (const std::string& arg : step.args) {
    const char* comma = args.empty() ? "" : ", ";
    args += comma + Quoted(arg);
    texts += comma + Quoted(ExpandText(arg));
    counts += comma + Count(arg);
  }
  std::printf(
      "      {\"line\": %d, \"verb\": %s, \"args\": [%s], \"texts\": [%s], \"counts\": [%s]}%s\n",
      step.line, Quoted(step.verb).c_str(), args.c_str(), texts.c_str(), counts.c_str(), separator);
}

void PrintTexts(const char* name, const std::map<std::string, std::string>& texts,
                const char* separator) {
  std::string pairs;
  for (const auto& [field, text] : texts)
    pairs += (pairs.empty() ? "" : ", ") + Quoted(field) + ": " + Quoted(text);
  std::printf("    \"%s\": {%s}%s\n", name, pairs.c_str(), separator);
}

}  // namespace

int main() {
  const std::vector<Behaviour> suite = ParseSuite(kWindowSuiteText);
  const WorkedExample example = ParseWorkedExample(kWorkedExampleText);
  std::printf("{\n  \"workedExample\": {\n");
  PrintTexts("inputs", example.inputs, ",");
  PrintTexts("results", example.results, "");
  std::printf("  },\n  \"behaviours\": [\n");
  for (std::size_t b = 0; b < suite.size(); ++b) {
    std::printf("    {\"name\": %s, \"steps\": [\n", Quoted(suite[b].name).c_str());
    const std::vector<Step>& steps = suite[b].steps;
    for (std::size_t s = 0; s < steps.size(); ++s)
      PrintStep(steps[s], s + 1 < steps.size() ? "," : "");
    std::printf("    ]}%s\n", b + 1 < suite.size() ? "," : "");
  }
  std::string shapes;
  for (const std::string& text : EveryResultShape())
    shapes += (shapes.empty() ? "" : ", ") + Quoted(text);
  std::printf("  ],\n  \"resultShapes\": [%s]\n}\n", shapes.c_str());
}
