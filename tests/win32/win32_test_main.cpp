// One application object for each Win32 window test program, started as the program
// starts it, so that the forms the tests make are real windows.

#include <gtest/gtest.h>

#include "ui/form1.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  TApplication application(argc, argv);
  application.Initialize();
  return RUN_ALL_TESTS();
}
