#include "tests/shared/widest_results.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "ui/float_to_str.h"

std::vector<std::string> WidestResultTexts(char digit) {
  std::vector<std::string> texts;
  for (int exponent = -324; exponent <= 308; ++exponent) {
    // 15 digits that every double near them keeps; below the normal range strtod gives the
    // nearest subnormal, whose rendering still has 15 digits (4.94065645841247E-324).
    const std::string decimal = "1.23456789012345e" + std::to_string(exponent);
    const double value = std::strtod(decimal.c_str(), nullptr);
    if (value == 0) continue;
    for (const double signed_value : {value, -value}) {
      std::string text = FloatToStr(signed_value);
      std::replace_if(
          text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }, digit);
      texts.push_back(text);
    }
  }
  std::sort(texts.begin(), texts.end());
  texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
  return texts;
}

std::vector<std::string> EveryResultShape() {
  std::vector<std::string> shapes;
  for (char digit = '0'; digit <= '9'; ++digit) {
    for (std::string& text : WidestResultTexts(digit))
      if (text[0] == '-') shapes.push_back(std::move(text));
  }
  return shapes;
}
