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

// What the window's own checks cannot tell apart on every screen: the colours and the
// arrows' targets each control is told, as the design gives them. The hint is pure red
// whatever the theme; every other text and ground is the theme's, a result on the field
// face like any field; from the button the arrows go to the neighbouring stops, wrapping.
TEST_F(SharedLayer, TellsEachControlItsColoursAndWhereTheArrowsGo) {
  TForm1 form(nullptr);
  using enum ColourRole;
  struct Case {
    const TControl* control;
    Colour text, ground;
    std::string_view next, previous;
  };
  const Case cases[] = {
      {form.Label6, {Fixed, 0xFF0000}, {Window}, "", ""},
      {form.Label1, {WindowText}, {Window}, "", ""},
      {form.MoneyToCallEdit, {FieldText}, {Field}, "", ""},
      {form.FoldEvEdit, {FieldText}, {Field}, "", ""},
      {form.Button1, {ButtonText}, {Button}, "MoneyToCallEdit", "FoldEvEdit"},
  };
  for (const Case& c : cases) {
    const ControlPlan& told = *c.control->Native()->plan;
    SCOPED_TRACE(std::string(told.name));
    EXPECT_EQ(&told, &c.control->Plan());
    EXPECT_EQ(told.text.role, c.text.role);
    EXPECT_EQ(told.text.rgb, c.text.rgb) << std::hex << told.text.rgb;
    EXPECT_EQ(told.ground, c.ground);
    EXPECT_EQ(told.arrowNext, c.next);
    EXPECT_EQ(told.arrowPrevious, c.previous);
  }
  EXPECT_EQ(form.Plan().ground, Colour{Window});
}

// The designed faces come with the metric-compatible one a system may have instead; a
// control without a font of its own takes the form's.
TEST_F(SharedLayer, NamesTheFaceThatStandsInForEachDesignedOne) {
  TForm1 form(nullptr);
  EXPECT_EQ(form.Plan().font.family, "Tahoma");
  EXPECT_EQ(form.Plan().font.fallback, "Liberation Sans");
  EXPECT_EQ(form.Button1->Plan().font, form.Plan().font);
  EXPECT_EQ(form.Label1->Plan().font.family, "Arial");
  EXPECT_EQ(form.Label1->Plan().font.fallback, "Liberation Sans");
  EXPECT_EQ(FallbackFamily("Courier New"), "");
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
