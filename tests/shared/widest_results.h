#pragma once

#include <string>
#include <vector>

// Every shape of text that FloatToStr gives for a number with all 15 significant digits,
// both signs, at every decimal exponent a double reaches (fixed and E notation alike),
// with each digit replaced by `digit`. Handed the font's widest digit, the list bounds the
// width of every result text: a result has at most 15 digits, and its other characters
// (sign, point, "E" and the exponent's sign) are fixed by its shape.
std::vector<std::string> WidestResultTexts(char digit);

// The negative ones of those for every digit, so that one digit is the widest whatever the
// font: a sign only adds to a text's width, so they bound every result text there is.
std::vector<std::string> EveryResultShape();
