#include "tests/behaviours/suite.h"

#include <sstream>
#include <stdexcept>

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// Each non-blank line that is not a comment, with its number, split into words.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::istringstream stream{std::string(text)};
  int number = 0;
  for (std::string line; std::getline(stream, line);) {
    ++number;
    std::vector<std::string> words = Words(line);
    if (!words.empty() && words.front()[0] != '#') visit(number, line, std::move(words));
  }
}

}  // namespace

std::vector<Behaviour> ParseSuite(std::string_view text) {
  std::vector<Behaviour> suite;
  ForEachLine(text, [&](int number, const std::string& line, std::vector<std::string> words) {
    if (line[0] != ' ') {
      if (words[0] != "behaviour" || words.size() != 2)
        throw std::runtime_error("line " + std::to_string(number) + ": not a behaviour: " + line);
      suite.push_back({words[1], {}});
      return;
    }
    if (suite.empty())
      throw std::runtime_error("line " + std::to_string(number) + ": a step before a behaviour");
    std::string verb = words.front();
    words.erase(words.begin());
    suite.back().steps.push_back({number, verb, words});
  });
  return suite;
}

WorkedExample ParseWorkedExample(std::string_view text) {
  WorkedExample example;
  ForEachLine(text, [&](int number, const std::string& line, std::vector<std::string> words) {
    if (words.size() != 3 || (words[0] != "input" && words[0] != "result"))
      throw std::runtime_error("line " + std::to_string(number) + ": " + line);
    (words[0] == "input" ? example.inputs : example.results)[words[1]] = words[2];
  });
  return example;
}

std::string ExpandText(std::string_view written) {
  std::string text;
  for (std::size_t i = 0; i < written.size(); ++i) {
    const std::size_t close = written.find('}', i);
    if (i + 1 < written.size() && written[i + 1] == '{' && close != std::string_view::npos) {
      text.append(std::stoul(std::string(written.substr(i + 2, close - i - 2))), written[i]);
      i = close;
    } else {
      text += written[i];
    }
  }
  return text;
}

int ExpandCount(std::string_view written, int limit, int end) {
  if (written == "end") return end;
  if (written.starts_with("limit")) {
    written.remove_prefix(5);
    return limit + (written.empty() ? 0 : std::stoi(std::string(written)));
  }
  return std::stoi(std::string(written));
}
