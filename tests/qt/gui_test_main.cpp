// One application object for all window tests, on Qt's offscreen platform unless the
// caller chose another, so that the suite runs without a display.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "ui/form1.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  testing::InitGoogleTest(&argc, argv);
  TApplication application(argc, argv);
  application.Initialize();
  return RUN_ALL_TESTS();
}
