#include <gtest/gtest.h>

#include "tests/qt/form_fixture.h"

namespace {

TEST(Application, MakesTheFirstFormTheMainFormWithItsOwnTaskbarEntry) {
  SetApplicationMainFormOnTaskBar(Application, true);
  Application->CreateForm(&Form1);
  ASSERT_NE(Form1, nullptr);
  EXPECT_EQ(Application->MainForm(), Form1);
  EXPECT_EQ(NativeWidget(*Form1)->windowType(), Qt::Window);
  EXPECT_EQ(NativeWidget(*Form1)->windowTitle(), "Vorn EV calculator");
}

}  // namespace
