#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/qt/qt_widgets.h"
#include "ui/form1.h"

// A fresh, shown calculator window whose error reports are recorded instead of shown.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->SetReporter([this](const std::string& message) { reports.push_back(message); });
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(NativeWidget(*form)));
  }

  void TearDown() override { Application->SetReporter(nullptr); }

  void Click() { QTest::mouseClick(Widget(form->Button1), Qt::LeftButton); }

  std::unique_ptr<TForm1> form;
  std::vector<std::string> reports;
};
