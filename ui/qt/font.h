#pragma once

#include <QFont>

#include "ui/form_description.h"

// A designed font as a QFont: family, height in pixels (a QFont set from points would
// scale with the screen's dots per inch differently from the layout) and weight.
inline QFont ToQFont(const FontDescription& description) {
  QFont font{QString::fromUtf8(description.family.data(),
                               static_cast<qsizetype>(description.family.size()))};
  font.setPixelSize(description.pixelHeight);
  font.setBold(description.bold);
  return font;
}

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
