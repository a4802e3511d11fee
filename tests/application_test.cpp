#include <gtest/gtest.h>

#include <QPushButton>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "tests/form_fixture.h"

using namespace vorn;  // the core under test

namespace {

// Whatever a click handler throws is reported once and the loop goes on.
TEST(ButtonClick, ReportsWhatLeavesTheHandlerAndCarriesOn) {
  std::vector<std::string> reports;
  Application->SetReporter([&](const std::string& message) { reports.push_back(message); });
  TForm1 form(nullptr);
  int clicks = 0;
  form.Button1->OnClick = [&](TObject*) {
    if (++clicks == 1) throw EOverflow();
    throw std::runtime_error("internal detail");
  };
  Widget(form.Button1)->click();
  Widget(form.Button1)->click();
  Application->SetReporter(nullptr);

  // Anything that is not one of the program's exceptions shows no internal detail.
  EXPECT_EQ(reports, (std::vector<std::string>{"Floating point overflow", ""}));
  EXPECT_EQ(clicks, 2);
}

TEST(Application, MakesTheFirstFormTheMainFormWithItsOwnTaskbarEntry) {
  SetApplicationMainFormOnTaskBar(Application, true);
  Application->CreateForm(&Form1);
  ASSERT_NE(Form1, nullptr);
  EXPECT_EQ(Application->MainForm(), Form1);
  EXPECT_EQ(NativeWidget(*Form1)->windowType(), Qt::Window);
  EXPECT_EQ(NativeWidget(*Form1)->windowTitle(), "Vorn EV calculator");
}

}  // namespace
