#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/gui_library.h"

// The Qt widget behind a control of the form.
inline QLineEdit* Widget(const TEdit* control) {
  return static_cast<QLineEdit*>(control->Handle());
}
inline QLabel* Widget(const TLabel* control) {
  return static_cast<QLabel*>(control->Handle());
}
inline QPushButton* Widget(const TButton* control) {
  return static_cast<QPushButton*>(control->Handle());
}
