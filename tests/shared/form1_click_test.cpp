// The calculator's click and the layer's report of what leaves it, on the in-memory
// toolkit: what the four texts give, and what a fault leaves behind, whatever the toolkit.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "tests/behaviours/embedded_texts.h"
#include "tests/behaviours/suite.h"
#include "tests/shared/fake_toolkit.h"
#include "ui/form1.h"

namespace {

// One click's four input texts, and the two results it should show.
struct ClickCase {
  std::string call, win, known, outs;
  std::string callEv, foldEv;
};

// The worked example of tests/behaviours/worked_example.txt as one click.
ClickCase WorkedExampleClick() {
  const WorkedExample e = ParseWorkedExample(kWorkedExampleText);
  return {e.inputs.at("MoneyToCallEdit"), e.inputs.at("WinningsEdit"),
          e.inputs.at("KnownCardsEdit"),  e.inputs.at("OutsEdit"),
          e.results.at("CallEvEdit"),     e.results.at("FoldEvEdit")};
}

std::string Inputs(const ClickCase& c) {
  return c.call + " | " + c.win + " | " + c.known + " | " + c.outs;
}

class Form1Click : public ::testing::Test {
 protected:
  void SetUp() override {
    application.SetReporter([this](const std::string& message) { reports.push_back(message); });
    application.Initialize();
    form = std::make_unique<TForm1>(nullptr);
  }

  // What the toolkit hands the click: the texts as the fields hold them.
  void Click(const ClickCase& c) {
    form->MoneyToCallEdit->SetText(c.call);
    form->WinningsEdit->SetText(c.win);
    form->KnownCardsEdit->SetText(c.known);
    form->OutsEdit->SetText(c.outs);
    form->Button1->Native()->pressed();
  }

  int argc = 0;
  TApplication application{argc, nullptr};
  std::unique_ptr<TForm1> form;
  std::vector<std::string> reports;
};

// The worked example, then other spellings and edges; where a case gives one of the worked
// example's results, it is taken from there.
TEST_F(Form1Click, ComputesFromTheTypedTexts) {
  const ClickCase example = WorkedExampleClick();
  const std::vector<ClickCase> cases = {
      example,
      {"", "", "", "", "0", "0"},  // all zero; the fold result is a negative zero
      {"12,5", "30", "5", "9", example.callEv, "-9.70212765957447"},
      {"10", "0", "5", "50", "0", "0.638297872340425"},  // more outs than unseen cards
      {"1", "8", "60", "1", "-1", "-1.125"},             // more known cards than the deck
      {" 1e1x", "3e1", "5.", ".9E1", example.callEv, example.foldEv},
      {"10€", "٣٠", "5", "9", "0", example.foldEv},  // non-ASCII ends or voids a number
  };
  for (const ClickCase& c : cases) {
    Click(c);
    EXPECT_EQ(form->CallEvEdit->Text(), c.callEv) << Inputs(c);
    EXPECT_EQ(form->FoldEvEdit->Text(), c.foldEv) << Inputs(c);
    EXPECT_EQ(form->MoneyToCallEdit->Text(), c.call) << "the inputs stay as typed";
    EXPECT_EQ(form->OutsEdit->Text(), c.outs) << "the inputs stay as typed";
  }
  EXPECT_TRUE(reports.empty());
}

// A fault in the fold result, the last one written, leaves the call result shown and the
// fold result as it was, is reported once, and the next calculation starts afresh. (A
// fault before the call result, 52 known cards, is one of tests/behaviours/window.txt's.)
TEST_F(Form1Click, KeepsTheFoldResultWhenOnlyItFaults) {
  const ClickCase e = WorkedExampleClick();
  const struct {
    ClickCase click;
    std::string report;
  } steps[] = {
      {e, ""},
      {{"1e308", "0", "53", "1", "0", e.foldEv}, "Floating point overflow"},
      {e, ""},
  };
  for (const auto& step : steps) {
    reports.clear();
    Click(step.click);
    EXPECT_EQ(form->CallEvEdit->Text(), step.click.callEv) << Inputs(step.click);
    EXPECT_EQ(form->FoldEvEdit->Text(), step.click.foldEv) << Inputs(step.click);
    const std::vector<std::string> expected =
        step.report.empty() ? std::vector<std::string>{} : std::vector<std::string>{step.report};
    EXPECT_EQ(reports, expected) << Inputs(step.click);
  }
}

// Whatever a click handler throws is reported once and the loop goes on; anything that is
// not one of the program's exceptions shows no internal detail.
TEST_F(Form1Click, ReportsWhatLeavesAnyHandlerAndCarriesOn) {
  int clicks = 0;
  form->Button1->OnClick = [&](TObject*) {
    if (++clicks == 1) throw vorn::EOverflow();
    throw std::runtime_error("internal detail");
  };
  form->Button1->Native()->pressed();
  form->Button1->Native()->pressed();
  EXPECT_EQ(reports, (std::vector<std::string>{"Floating point overflow", ""}));
  EXPECT_EQ(clicks, 2);
}

// A description that lacks a control, or has it of another class, must not give a form
// with a dangling field.
TEST_F(Form1Click, RefusesAControlOfAnotherNameOrClass) {
  EXPECT_EQ(form->FindControl<TEdit>("OutsEdit"), form->OutsEdit);
  EXPECT_THROW(form->FindControl<TEdit>("Button1"), vorn::Exception);
  EXPECT_THROW(form->FindControl<TButton>("OutsEdit"), vorn::Exception);
  EXPECT_THROW(form->FindControl<TEdit>("outsEdit"), vorn::Exception);
  EXPECT_THROW(form->FindControl<TEdit>(""), vorn::Exception);
}

}  // namespace
