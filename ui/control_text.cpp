#include "ui/control_text.h"

#include <QLineEdit>

std::string ControlText(const QLineEdit* control) {
  return control->text().toStdString();
}

void SetControlText(QLineEdit* control, const std::string& text) {
  control->setText(QString::fromStdString(text));
  // setText leaves the cursor, and so the view, at the end; a result wider than its field
  // would then hide its sign and first digits. Show it from its first character instead.
  control->setCursorPosition(0);
}
