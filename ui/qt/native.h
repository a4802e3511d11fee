#pragma once

// What the Qt toolkit keeps for the application, a window and a control. Every form and
// control is a widget; a control's widget is a child of its window's and goes with it.

#include <QApplication>
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
};

struct Window {
  std::unique_ptr<QWidget> widget;
  std::vector<std::unique_ptr<Control>> controls;

  // Keeps a new child widget's control state for as long as the window lives.
  Control* Adopt(QWidget* child) {
    controls.push_back(std::make_unique<Control>(Control{child}));
    return controls.back().get();
  }
};

}  // namespace toolkit
