#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "ui/gui_library.h"

// Fields hold UTF-8 on this platform: the number reading looks at bytes only, so a
// non-ASCII character simply ends a number.
std::string TControl::Text() const {
  if (auto* edit = qobject_cast<QLineEdit*>(handle_)) return edit->text().toStdString();
  if (auto* label = qobject_cast<QLabel*>(handle_)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(handle_)) return button->text().toStdString();
  return {};
}

void TControl::SetText(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(handle_)) {
    edit->setText(shown);
    // setText leaves the cursor, and so the view, at the end; a result wider than its
    // field would then hide its sign and first digits. Show it from its first character.
    edit->setCursorPosition(0);
  } else if (auto* label = qobject_cast<QLabel*>(handle_)) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(handle_)) {
    button->setText(shown);
  }
}
