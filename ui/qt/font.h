#pragma once

#include <QFont>
#include <QStringList>

#include "ui/control_spec.h"

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A font as a QFont: the faces in the order to try them, height in pixels (a QFont set
// from points would scale with the screen's dots per inch differently from the layout)
// and weight.
inline QFont ToQFont(const FontSpec& spec) {
  QFont font;
  QStringList families{ToQString(spec.family)};
  if (!spec.fallback.empty()) families << ToQString(spec.fallback);
  font.setFamilies(families);
  font.setPixelSize(spec.pixelHeight);
  font.setBold(spec.bold);
  return font;
}
