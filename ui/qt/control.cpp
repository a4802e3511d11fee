#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "ui/qt/native.h"

namespace toolkit {

// Fields hold UTF-8 on this platform: the number reading looks at bytes only, so a
// non-ASCII character simply ends a number.
std::string GetText(const Control& control) {
  QWidget* widget = control.widget;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
  return {};
}

void SetText(Control& control, const std::string& text) {
  QWidget* widget = control.widget;
  const QString shown = QString::fromStdString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(shown);
    // setText leaves the cursor, and so the view, at the end; a result wider than its
    // field would then hide its sign and first digits. Show it from its first character.
    edit->setCursorPosition(0);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(shown);
  }
}

}  // namespace toolkit
