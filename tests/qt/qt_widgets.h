#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "tests/qt/native_access.h"

// The Qt widget behind a control of the form.
inline QLineEdit* Widget(const TEdit* control) {
  return static_cast<QLineEdit*>(NativeWidget(*control));
}
inline QLabel* Widget(const TLabel* control) {
  return static_cast<QLabel*>(NativeWidget(*control));
}
inline QPushButton* Widget(const TButton* control) {
  return static_cast<QPushButton*>(NativeWidget(*control));
}

// The room a line edit gives its text: the frame's contents less the text margins and the
// two pixels QLineEdit keeps clear on each side. QLineEdit scrolls once a text's width
// plus one pixel exceeds it.
inline int TextRoom(const QLineEdit* field) {
  QStyleOptionFrame option;
  option.initFrom(field);
  option.rect = field->rect();
  option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
  const QRect contents =
      field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
  return contents.marginsRemoved(field->textMargins()).width() - 2 * 2;
}
