#include "ui/control_text.h"

#include <QLineEdit>

std::string ControlText(const QLineEdit* control) {
  return control->text().toStdString();
}

void SetControlText(QLineEdit* control, const std::string& text) {
  control->setText(QString::fromStdString(text));
}
