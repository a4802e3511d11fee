#pragma once

#include <string>

class QLineEdit;

// A field's text as 8-bit characters: UTF-8, this platform's code page. The number
// reading looks at bytes only, so a non-ASCII character simply ends a number.
std::string ControlText(const QLineEdit* control);

// Shows text in a field; the caller keeps its own string.
void SetControlText(QLineEdit* control, const std::string& text);
