#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "core/exceptions.h"
#include "tests/form_fixture.h"
#include "tests/widest_results.h"
#include "ui/qt/font.h"

using namespace vorn;  // the core under test

namespace {

using Form1Window = FormTest;

// Every control stands where the form's description puts it, in pixels of the client area.
TEST_F(Form1Window, PlacesEveryControlAsDescribed) {
  const FormDescription& design = form->Description();
  QWidget* window = NativeWidget(*form);
  EXPECT_EQ(window->windowTitle(), ToQString(design.caption));
  EXPECT_EQ(window->size(), QSize(design.clientWidth, design.clientHeight));
  EXPECT_EQ(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
            static_cast<qsizetype>(design.controls.size()));
  for (const ControlDescription& d : design.controls) {
    auto* widget = window->findChild<QWidget*>(ToQString(d.name));
    ASSERT_NE(widget, nullptr) << d.name;
    const QRect designed(d.left, d.top, d.width, d.height);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      // A label may grow to fit its caption but keeps its place and height.
      EXPECT_EQ(label->pos(), designed.topLeft()) << d.name;
      EXPECT_EQ(label->height(), designed.height()) << d.name;
      EXPECT_GE(label->width(), designed.width()) << d.name;
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << d.name;
      EXPECT_LE(label->geometry().right(), window->width()) << d.name;
      EXPECT_EQ(label->text(), ToQString(d.caption)) << d.name;
    } else {
      EXPECT_EQ(widget->geometry(), designed) << d.name;
    }
  }
  EXPECT_EQ(Widget(form->Button1)->text(), "Calculated");
}

// Each control's font and colour as its description gives them; a face the system lacks
// (Tahoma, and Arial here) is answered by its metric-compatible one, never by another.
TEST_F(Form1Window, UsesTheDescribedFontsAndColours) {
  for (const auto& control : form->Controls()) {
    const ControlDescription& d = control->Description();
    const FontDescription& font = d.font ? *d.font : form->Description().font;
    const QWidget* widget = NativeWidget(*control);
    EXPECT_EQ(widget->font().pixelSize(), font.pixelHeight) << d.name;
    EXPECT_EQ(widget->font().bold(), font.bold) << d.name;
    const QString face = QFontInfo(widget->font()).family();
    EXPECT_TRUE(face == ToQString(font.family) || face == "Liberation Sans")
        << d.name << " in " << face.toStdString();
    const bool red = widget->palette().color(QPalette::WindowText) == QColor(Qt::red);
    EXPECT_EQ(red, d.colour == ControlColour::Red) << d.name;
  }
}

TEST_F(Form1Window, StartsWithEmptyFieldsAndReadOnlyResults) {
  for (QLineEdit* field :
       {Widget(form->MoneyToCallEdit), Widget(form->WinningsEdit), Widget(form->KnownCardsEdit),
        Widget(form->OutsEdit), Widget(form->CallEvEdit), Widget(form->FoldEvEdit)}) {
    EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
  }
  EXPECT_FALSE(Widget(form->MoneyToCallEdit)->isReadOnly());
  EXPECT_TRUE(Widget(form->CallEvEdit)->isReadOnly());
  EXPECT_TRUE(Widget(form->FoldEvEdit)->isReadOnly());
  QTest::keyClicks(Widget(form->CallEvEdit), "123");
  QTest::keyClicks(Widget(form->FoldEvEdit), "4");
  EXPECT_TRUE(Widget(form->CallEvEdit)->text().isEmpty());
  EXPECT_TRUE(Widget(form->FoldEvEdit)->text().isEmpty());
}

// The room a line edit gives its text: the frame's contents less the text margins and the
// two pixels QLineEdit keeps clear on each side.
int TextRoom(const QLineEdit* field) {
  QStyleOptionFrame option;
  option.initFrom(field);
  option.rect = field->rect();
  option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
  const QRect contents =
      field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
  return contents.marginsRemoved(field->textMargins()).width() - 2 * 2;
}

// Digits have one width in the field's font, so the widest shapes with the widest digit
// bound every text FloatToStr gives. QLineEdit scrolls once a text's width plus one pixel
// exceeds the room.
TEST_F(Form1Window, FitsEveryResultShapeWhole) {
  for (QLineEdit* field : {Widget(form->CallEvEdit), Widget(form->FoldEvEdit)}) {
    const QFontMetrics metrics = field->fontMetrics();
    char widest = '0';
    for (char digit = '1'; digit <= '9'; ++digit) {
      if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(QChar(widest)))
        widest = digit;
    }
    for (const std::string& text : WidestResultTexts(widest)) {
      EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)) + 1, TextRoom(field))
          << text << " in " << QFontInfo(field->font()).family().toStdString() << " at scale "
          << field->devicePixelRatio();
    }
  }
}

// The longest results of both forms, and others that once lost their minus sign, shown from
// their first character, also after the user has been in the field and moved to its end.
TEST_F(Form1Window, ShowsTheLongestResultsFromTheirFirstCharacter) {
  const struct {
    QString call, win, known, outs;
    bool inCallField;
    QString shown;
  } cases[] = {
      {"0.0001", "-1e-300", "5", "9", true, "-1.91489361702128E-301"},
      {"0.0001", "-1e-300", "5", "9", false, "-0.0000808510638297872"},
      {"4.9e-324", "0", "0", "0", false, "-4.94065645841247E-324"},
      {"1", "-1e300", "5", "8", true, "-1.70212765957447E299"},
  };
  for (const auto& c : cases) {
    Fill(c.call, c.win, c.known, c.outs);
    Click();
    QLineEdit* field = c.inCallField ? Widget(form->CallEvEdit) : Widget(form->FoldEvEdit);
    const std::string shown = c.shown.toStdString();
    ASSERT_EQ(field->text(), c.shown);
    EXPECT_EQ(field->cursorPosition(), 0) << shown << ": the view follows the cursor";
    EXPECT_LE(field->fontMetrics().horizontalAdvance(c.shown) + 1, TextRoom(field)) << shown;
  }
}

// A text wider than its field scrolls while the cursor is at its end, and shows its start
// again once the user moves on to another control, in a result and in an input alike; the
// cursor stays where it was while another window has the focus.
TEST_F(Form1Window, ShowsAFieldsStartOnceItIsLeft) {
  for (QLineEdit* field : {Widget(form->MoneyToCallEdit), Widget(form->FoldEvEdit)}) {
    const std::string name = field->objectName().toStdString();
    field->setText(QString(60, '7'));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(field, &away);
    EXPECT_EQ(field->cursorPosition(), 60) << name << ": left for another window";
    field->setSelection(10, 40);  // a selection made with mouse or keyboard
    Widget(form->Button1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(field->cursorPosition(), 0) << name;
    EXPECT_FALSE(field->hasSelectedText()) << name;
  }
}

// From the button, the arrow keys move to the neighbouring tab stop; in a field they move
// the cursor and leave the focus where it is.
TEST_F(Form1Window, MovesBetweenControlsWithTheArrowKeysAsInADialog) {
  NativeWidget(*form)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(NativeWidget(*form)));
  const struct {
    Qt::Key key;
    QWidget* from;
    QWidget* to;
  } moves[] = {
      {Qt::Key_Down, Widget(form->Button1), Widget(form->MoneyToCallEdit)},
      {Qt::Key_Right, Widget(form->Button1), Widget(form->MoneyToCallEdit)},
      {Qt::Key_Up, Widget(form->Button1), Widget(form->FoldEvEdit)},
      {Qt::Key_Left, Widget(form->Button1), Widget(form->FoldEvEdit)},
      {Qt::Key_Down, Widget(form->WinningsEdit), Widget(form->WinningsEdit)},
      {Qt::Key_Left, Widget(form->CallEvEdit), Widget(form->CallEvEdit)},
  };
  for (const auto& move : moves) {
    move.from->setFocus();
    QTest::keyClick(move.from, move.key);
    EXPECT_EQ(QApplication::focusWidget(), move.to)
        << "key " << move.key << " from " << move.from->objectName().toStdString();
  }
}

// A paste longer than the limit is cut at it, in every field.
TEST_F(Form1Window, CutsAPasteAtTheFieldLimit) {
  QApplication::clipboard()->setText(QString(TEdit::kMaxLength + 100, '1'));
  for (QLineEdit* field : {Widget(form->MoneyToCallEdit), Widget(form->OutsEdit)}) {
    EXPECT_EQ(field->maxLength(), TEdit::kMaxLength);
    field->clear();
    field->paste();
    EXPECT_EQ(field->text().size(), TEdit::kMaxLength) << field->objectName().toStdString();
  }
}

// The whole calculation works from the keyboard: Tab from the button through the fields in
// their order and back, type, and press the button with Space or Enter.
TEST_F(Form1Window, WorksWithTheKeyboardAlone) {
  NativeWidget(*form)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(NativeWidget(*form)));
  Widget(form->Button1)->setFocus();
  const std::vector<QWidget*> order = {Widget(form->MoneyToCallEdit), Widget(form->WinningsEdit),
                                       Widget(form->KnownCardsEdit),  Widget(form->OutsEdit),
                                       Widget(form->CallEvEdit),      Widget(form->FoldEvEdit),
                                       Widget(form->Button1)};
  const char* typed[] = {"10", "30", "5", "9"};
  for (std::size_t i = 0; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), order[i]) << "stop " << i + 1;
    if (i < 4) QTest::keyClicks(QApplication::focusWidget(), typed[i]);
  }
  QTest::keyClick(Widget(form->Button1), Qt::Key_Space);
  EXPECT_EQ(Widget(form->CallEvEdit)->text(), "5.74468085106383");
  Widget(form->CallEvEdit)->clear();
  QTest::keyClick(Widget(form->Button1), Qt::Key_Return);
  EXPECT_EQ(Widget(form->CallEvEdit)->text(), "5.74468085106383");
}

// A description that lacks a control, or has it of another class, must not give a form
// with a dangling field.
TEST_F(Form1Window, RefusesAControlOfAnotherNameOrClass) {
  EXPECT_EQ(form->FindControl<TEdit>("OutsEdit"), form->OutsEdit);
  EXPECT_THROW(form->FindControl<TEdit>("Button1"), Exception);
  EXPECT_THROW(form->FindControl<TButton>("OutsEdit"), Exception);
  EXPECT_THROW(form->FindControl<TEdit>("outsEdit"), Exception);
  EXPECT_THROW(form->FindControl<TEdit>(""), Exception);
}

// Each caption is its field's buddy, so assistive technology names the field by it.
TEST_F(Form1Window, NamesEachFieldByItsCaption) {
  const std::pair<QLabel*, QWidget*> buddies[] = {
      {Widget(form->Label1), Widget(form->MoneyToCallEdit)},
      {Widget(form->Label2), Widget(form->WinningsEdit)},
      {Widget(form->Label7), Widget(form->KnownCardsEdit)},
      {Widget(form->Label3), Widget(form->OutsEdit)},
      {Widget(form->Label4), Widget(form->CallEvEdit)},
      {Widget(form->Label5), Widget(form->FoldEvEdit)},
      {Widget(form->Label6), Widget(form->Button1)},
  };
  for (const auto& [label, field] : buddies) {
    EXPECT_EQ(label->buddy(), field) << label->objectName().toStdString();
    if (qobject_cast<QLineEdit*>(field)) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
      ASSERT_NE(accessible, nullptr);
      EXPECT_EQ(accessible->text(QAccessible::Name), label->text());
    }
  }
}

}  // namespace
