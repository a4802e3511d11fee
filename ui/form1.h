#pragma once

#include <QWidget>

#include "ui_form1.h"

// The calculator window. Its controls and their properties come from form1.ui; the only
// behaviour it adds is the calculation on a click of Button1.
class TForm1 : public QWidget, public Ui::TForm1 {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* owner);

  // Reads the four inputs, computes, and writes the call result before the fold result
  // is even computed, so a fault in the fold result leaves the call result shown.
  void Button1Click(QObject* Sender);
};

extern TForm1* Form1;
