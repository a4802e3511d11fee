#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/qt/native_access.h"

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
