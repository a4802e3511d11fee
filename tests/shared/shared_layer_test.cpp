// The toolkit-neutral layer on the in-memory toolkit: what it asks of a toolkit, in which
// order, and where its reports go, with no window system at all.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exceptions.h"
#include "tests/shared/fake_toolkit.h"
#include "ui/form1.h"

namespace {

std::vector<std::string> Names(const toolkit::Window& window) {
  std::vector<std::string> names;
  for (const auto& control : window.controls) names.push_back(control->name);
  return names;
}

class SharedLayer : public ::testing::Test {
 protected:
  int argc = 0;
  TApplication application{argc, nullptr};
};

TEST_F(SharedLayer, MakesTheControlsInTheDescriptionsOrder) {
  TForm1 form(nullptr);
  std::vector<std::string> described;
  for (const ControlDescription& d : kForm1Description.controls) described.emplace_back(d.name);
  EXPECT_EQ(Names(*form.Native()), described);
}

TEST_F(SharedLayer, GivesTheTabOrderAndEachFieldsCaption) {
  TForm1 form(nullptr);
  EXPECT_EQ(form.Native()->tabOrder,
            (std::vector<std::string>{"Button1", "MoneyToCallEdit", "WinningsEdit",
                                      "KnownCardsEdit", "OutsEdit", "CallEvEdit", "FoldEvEdit"}));
  for (const ControlDescription& d : kForm1Description.controls) {
    const auto* field = d.focusControl.empty()
                            ? nullptr
                            : dynamic_cast<TEdit*>(form.FindControl<TControl>(d.focusControl));
    if (field) {
      EXPECT_EQ(field->Native()->accessibleName, d.caption) << d.focusControl;
    }
  }
}

// Rows from the top, each from the left; a row is the controls whose vertical extents
// overlap, so a caption a pixel below its field's top still reads before the field.
TEST_F(SharedLayer, GivesTheReadingOrderRowByRow) {
  TForm1 form(nullptr);
  EXPECT_EQ(
      form.Native()->readingOrder,
      (std::vector<std::string>{"Label6", "Label1", "MoneyToCallEdit", "Label2", "WinningsEdit",
                                "Label7", "KnownCardsEdit", "Label3", "OutsEdit", "Label4",
                                "CallEvEdit", "Label5", "FoldEvEdit", "Button1"}));
}

// A control that starts on the last pixel of a row joins it; one that starts just below
// it starts the next row.
TEST_F(SharedLayer, StartsARowJustBelowTheRowAbove) {
  struct Case {
    int top;
    std::vector<std::string> order;
  };
  for (const Case& c : {Case{29, {"Low", "Left", "Right"}}, Case{30, {"Left", "Right", "Low"}},
                        Case{31, {"Left", "Right", "Low"}}}) {
    // Right spans rows 0 to 29; Left is a shorter caption beside it; Low, at the far left,
    // starts at c.top.
    const ControlDescription controls[] = {
        {"Right", ControlKind::Edit, 100, 0, 50, 30, "", nullptr, ControlColour::WindowText, false,
         0, ""},
        {"Left", ControlKind::Label, 10, 5, 50, 10, "Left:", nullptr, ControlColour::WindowText,
         false, -1, ""},
        {"Low", ControlKind::Label, 0, c.top, 50, 10, "Low", nullptr, ControlColour::WindowText,
         false, -1, ""},
    };
    const FormDescription description{"Rows", 0, 0, 200, 100, {"Tahoma", 11, false}, controls};
    TForm form(nullptr, description);
    EXPECT_EQ(form.Native()->readingOrder, c.order) << "Low at top " << c.top;
  }
}

// The hint is the design's pure red whatever the theme, and no other text has a colour of
// its own; a result stands on the field ground in the field text, like the fields it sits
// among. Each toolkit is told the control's own plan.
TEST_F(SharedLayer, ColoursOnlyTheHintAndTheResultsAsFields) {
  TForm1 form(nullptr);
  for (const auto& control : form.Controls()) {
    const ControlPlan& told = *control->Native()->plan;
    const bool red = control->Description().colour == ControlColour::Red;
    EXPECT_EQ(&told, &control->Plan()) << told.name;
    EXPECT_EQ(told.text.role == ColourRole::Fixed, red) << told.name;
    if (red) {
      EXPECT_EQ(told.text.rgb, 0xFF0000u) << told.name << std::hex << told.text.rgb;
    }
  }
  for (const TEdit* result : {form.CallEvEdit, form.FoldEvEdit}) {
    EXPECT_EQ(result->Plan().text, form.OutsEdit->Plan().text) << result->Plan().name;
    EXPECT_EQ(result->Plan().ground, form.OutsEdit->Plan().ground) << result->Plan().name;
  }
}

// A growing caption keeps the designed size until it needs more, on either axis; a field
// never changes its size for its text.
TEST_F(SharedLayer, GrowsACaptionOnlyPastTheDesignedSize) {
  TForm1 form(nullptr);
  const ControlPlan& label = form.Label1->Plan();
  const ControlPlan& field = form.OutsEdit->Plan();
  const struct {
    Size needs, label, field;
  } cases[] = {
      {{88, 15}, {89, 16}, {89, 16}},
      {{89, 16}, {89, 16}, {89, 16}},
      {{90, 17}, {90, 17}, {89, 16}},
  };
  for (const auto& c : cases) {
    const Size grown = label.Fitted({89, 16}, c.needs);
    const Size kept = field.Fitted({89, 16}, c.needs);
    EXPECT_EQ(std::pair(grown.width, grown.height), std::pair(c.label.width, c.label.height))
        << "caption needs " << c.needs.width << "x" << c.needs.height;
    EXPECT_EQ(std::pair(kept.width, kept.height), std::pair(c.field.width, c.field.height))
        << "text needs " << c.needs.width << "x" << c.needs.height;
  }
}

TEST_F(SharedLayer, RunsTheLoopOnlyOnceStartedAndWithAForm) {
  application.Run();  // neither started nor with a form
  application.Initialize();
  application.Run();  // started, but no form yet
  EXPECT_TRUE(FakeApplication().shown.empty());
  SetApplicationMainFormOnTaskBar(&application, true);
  application.CreateForm(&Form1);
  application.Run();
  EXPECT_EQ(FakeApplication().shown, std::vector<std::string>{"Vorn EV calculator"});
  EXPECT_TRUE(Form1->Native()->onTaskBar);
}

// Before the window system is reached there is nothing to show a message with; after,
// a fault in a click is shown over the main form.
TEST_F(SharedLayer, ReportsOnStandardErrorUntilStartedThenOverTheMainForm) {
  testing::internal::CaptureStderr();
  application.ShowException(vorn::Exception("too early"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Vorn EV calculator: too early\n");

  application.Initialize();
  application.CreateForm(&Form1);
  for (auto [field, text] : {std::pair{Form1->MoneyToCallEdit, "10"},
                             {Form1->WinningsEdit, "30"},
                             {Form1->KnownCardsEdit, "52"},
                             {Form1->OutsEdit, "9"}})
    field->SetText(text);
  Form1->Button1->Native()->pressed();
  EXPECT_EQ(FakeApplication().errors,
            std::vector<std::string>{"Vorn EV calculator: Floating point division by zero"});
}

}  // namespace
