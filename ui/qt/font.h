#pragma once

#include <QFont>
#include <QStringList>

#include "ui/control_plan.h"

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A font as a QFont: the faces in the order to try them, height in pixels (a QFont set
// from points would scale with the screen's dots per inch differently from the layout)
// and weight.
inline QFont ToQFont(const FontPlan& plan) {
  QFont font;
  QStringList families{ToQString(plan.family)};
  if (!plan.fallback.empty()) families << ToQString(plan.fallback);
  font.setFamilies(families);
  font.setPixelSize(plan.pixelHeight);
  font.setBold(plan.bold);
  return font;
}
