#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/behaviours/embedded_texts.h"
#include "tests/behaviours/suite.h"
#include "tests/qt/qt_widgets.h"
#include "ui/form1.h"

// One click's four input texts, and the two results it should show.
struct ClickCase {
  QString call, win, known, outs;
  QString callEv, foldEv;
};

// The worked example of tests/behaviours/worked_example.txt as one click.
inline ClickCase WorkedExampleClick() {
  const WorkedExample example = ParseWorkedExample(kWorkedExampleText);
  const auto text = [](const std::map<std::string, std::string>& texts, const char* name) {
    return QString::fromStdString(texts.at(name));
  };
  return {text(example.inputs, "MoneyToCallEdit"), text(example.inputs, "WinningsEdit"),
          text(example.inputs, "KnownCardsEdit"),  text(example.inputs, "OutsEdit"),
          text(example.results, "CallEvEdit"),     text(example.results, "FoldEvEdit")};
}

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

  // Replaces a field's text the way a user does: select all, then type. QTest has key
  // codes for ASCII only; other characters arrive as an input method commits them.
  static void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (QChar c : text) {
      if (c.unicode() < 0x80) {
        QTest::keyClicks(field, QString(c));
      } else {
        field->insert(QString(c));
      }
    }
  }

  void Fill(const QString& call, const QString& win, const QString& known, const QString& outs) {
    Type(Widget(form->MoneyToCallEdit), call);
    Type(Widget(form->WinningsEdit), win);
    Type(Widget(form->KnownCardsEdit), known);
    Type(Widget(form->OutsEdit), outs);
  }

  void Click() { QTest::mouseClick(Widget(form->Button1), Qt::LeftButton); }

  std::unique_ptr<TForm1> form;
  std::vector<std::string> reports;
};
