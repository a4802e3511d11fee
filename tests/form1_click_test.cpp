#include <string>
#include <vector>

#include "tests/form_fixture.h"

using namespace vorn;  // the core under test

namespace {

using Form1Click = FormTest;

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
// From the worked example's results, each fault changing only the fields named.
TEST_F(Form1Click, KeepsEarlierResultsWhenTheArithmeticFaults) {
  const ClickCase e = WorkedExampleClick();
  const struct {
    ClickCase click;
    std::string report;
  } steps[] = {
      {e, ""},
      {{e.call, e.win, "52", e.outs, e.callEv, e.foldEv}, "Floating point division by zero"},
      {{e.call, e.win, "52", "0", e.callEv, e.foldEv}, "Invalid floating point operation"},
      // Only the fold result overflows: the call result is already shown.
      {{"1e308", "0", "53", "1", "0", e.foldEv}, "Floating point overflow"},
      {e, ""},
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
