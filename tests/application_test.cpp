#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "ui/application.h"
#include "ui/click_binding.h"
#include "ui/form1.h"

namespace {

struct ThrowingForm : QWidget {
  void ThrowOverflow(QObject*) { throw EOverflow(); }
  void ThrowOther(QObject*) { throw std::runtime_error("internal detail"); }
  void Count(QObject*) { ++clicks; }
  int clicks = 0;
};

// Whatever a click handler throws is reported once and the loop goes on: later slots
// connected to the same click still run.
TEST(ClickBinding, ReportsWhatLeavesTheHandlerAndCarriesOn) {
  std::vector<std::string> reports;
  Application->SetReporter([&](const std::string& message) { reports.push_back(message); });
  ThrowingForm form;
  QPushButton overflow(&form), other(&form);
  BindClick(&overflow, &form, &ThrowingForm::ThrowOverflow);
  BindClick(&overflow, &form, &ThrowingForm::Count);
  BindClick(&other, &form, &ThrowingForm::ThrowOther);

  overflow.click();
  overflow.click();
  other.click();
  Application->SetReporter(nullptr);

  // Anything that is not one of the program's exceptions shows no internal detail.
  EXPECT_EQ(reports,
            (std::vector<std::string>{"Floating point overflow", "Floating point overflow", ""}));
  EXPECT_EQ(form.clicks, 2);
}

TEST(Application, MakesTheFirstFormTheMainFormWithItsOwnTaskbarEntry) {
  SetApplicationMainFormOnTaskBar(Application, true);
  Application->CreateForm(&Form1);
  ASSERT_NE(Form1, nullptr);
  EXPECT_EQ(Application->MainForm(), Form1);
  EXPECT_EQ(Form1->windowType(), Qt::Window);
  EXPECT_EQ(Form1->windowTitle(), "Vorn EV calculator");
}

}  // namespace
