#pragma once

// What the Qt toolkit keeps for the application, a window and a control. Every form and
// control is a widget; a control's widget is a child of its window's and goes with it.

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/toolkit.h"

namespace toolkit {

struct Application {
  int& argc;
  char** argv;
  std::unique_ptr<QApplication> qt;  // made when the window system is started
};

struct Control {
  QWidget* widget;
  QLineEdit* edit;  // the same widget where it is a field, else nullptr
};

struct Window {
  std::unique_ptr<QWidget> widget;
  std::vector<std::unique_ptr<Control>> controls;

  // Keeps a new child widget's control state for as long as the window lives.
  Control* Adopt(QWidget* child, QLineEdit* edit = nullptr) {
    controls.push_back(std::make_unique<Control>(Control{child, edit}));
    return controls.back().get();
  }
};

// What every control takes from its plan alike: its name, place, font, focus, colours and
// arrow keys.
void ApplyPlan(QWidget& widget, const ControlPlan& plan);

}  // namespace toolkit
