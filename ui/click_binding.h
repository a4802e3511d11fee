#pragma once

#include <QAbstractButton>
#include <QObject>

#include "ui/application.h"

// Runs form->handler(button) on every click of button. Whatever the handler throws is
// caught here and reported by the application object, so that no exception ever unwinds
// through Qt's own frames (which Qt does not support) and the loop goes on.
template <typename Form>
void BindClick(QAbstractButton* button, Form* form, void (Form::*handler)(QObject* sender)) {
  QObject::connect(button, &QAbstractButton::clicked, form, [button, form, handler] {
    try {
      (form->*handler)(button);
    } catch (...) {
      Application->ReportCurrentException();
    }
  });
}
