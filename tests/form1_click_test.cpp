#include <string>
#include <vector>

#include "tests/form_fixture.h"

using namespace vorn;  // the core under test

namespace {

using Form1Click = FormTest;

TEST_F(Form1Click, ComputesFromTheTypedTexts) {
  const std::vector<ClickCase> cases = {
      {"10", "30", "5", "9", "5.74468085106383", "-8.08510638297872"},
      {"", "", "", "", "0", "0"},  // all zero; the fold result is a negative zero
      {"12,5", "30", "5", "9", "5.74468085106383", "-9.70212765957447"},
      {"10", "0", "5", "50", "0", "0.638297872340425"},  // more outs than unseen cards
      {"1", "8", "60", "1", "-1", "-1.125"},             // more known cards than the deck
      {" 1e1x", "3e1", "5.", ".9E1", "5.74468085106383", "-8.08510638297872"},
      {"10€", "٣٠", "5", "9", "0", "-8.08510638297872"},  // non-ASCII ends or voids a number
  };
  for (const ClickCase& c : cases) {
    Fill(c.call, c.win, c.known, c.outs);
    Click();
    const QString inputs = c.call + " | " + c.win + " | " + c.known + " | " + c.outs;
    EXPECT_EQ(Widget(form->CallEvEdit)->text(), c.callEv) << inputs.toStdString();
    EXPECT_EQ(Widget(form->FoldEvEdit)->text(), c.foldEv) << inputs.toStdString();
  }
  EXPECT_TRUE(reports.empty());
}

// A fault leaves every result that was not yet written as it was, is reported once, and
// the next calculation starts afresh.
TEST_F(Form1Click, KeepsEarlierResultsWhenTheArithmeticFaults) {
  const struct {
    ClickCase click;
    std::string report;
  } steps[] = {
      {{"10", "30", "5", "9", "5.74468085106383", "-8.08510638297872"}, ""},
      {{"10", "30", "52", "9", "5.74468085106383", "-8.08510638297872"},
       "Floating point division by zero"},
      {{"10", "30", "52", "0", "5.74468085106383", "-8.08510638297872"},
       "Invalid floating point operation"},
      // Only the fold result overflows: the call result is already shown.
      {{"1e308", "0", "53", "1", "0", "-8.08510638297872"}, "Floating point overflow"},
      {{"10", "30", "5", "9", "5.74468085106383", "-8.08510638297872"}, ""},
  };
  for (const auto& step : steps) {
    reports.clear();
    Fill(step.click.call, step.click.win, step.click.known, step.click.outs);
    Click();
    const std::string inputs = (step.click.call + " | " + step.click.win + " | " +
                                step.click.known + " | " + step.click.outs)
                                   .toStdString();
    EXPECT_EQ(Widget(form->CallEvEdit)->text(), step.click.callEv) << inputs;
    EXPECT_EQ(Widget(form->FoldEvEdit)->text(), step.click.foldEv) << inputs;
    const std::vector<std::string> expected =
        step.report.empty() ? std::vector<std::string>{} : std::vector<std::string>{step.report};
    EXPECT_EQ(reports, expected) << inputs;
    EXPECT_TRUE(NativeWidget(*form)->isVisible());
  }
}

TEST_F(Form1Click, LeavesTheInputFieldsAsTyped) {
  Fill("12,5", "abc", " 5", "9x");
  Click();
  EXPECT_EQ(Widget(form->MoneyToCallEdit)->text(), "12,5");
  EXPECT_EQ(Widget(form->WinningsEdit)->text(), "abc");
  EXPECT_EQ(Widget(form->KnownCardsEdit)->text(), " 5");
  EXPECT_EQ(Widget(form->OutsEdit)->text(), "9x");
}

}  // namespace
