#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "tests/qt/form_fixture.h"
#include "ui/qt/font.h"

// What only Qt can tell about the window: places, fonts, palette, accessibility. The
// behaviours every toolkit shares are in tests/behaviours/window.txt.
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

// The cursor stays where it was while another window has the focus, and a selection is
// dropped once the user moves on to another control, so that the view returns to the
// text's start. (That the start shows again is one of tests/behaviours/window.txt's.)
TEST_F(Form1Window, KeepsTheCursorForAnotherWindowAndDropsTheSelectionForAnotherControl) {
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

// Each caption is the buddy of the control the description says it names, so assistive
// technology names a field by it.
TEST_F(Form1Window, NamesEachFieldByItsCaption) {
  QWidget* window = NativeWidget(*form);
  for (const ControlDescription& d : form->Description().controls) {
    if (d.focusControl.empty()) continue;
    auto* label = window->findChild<QLabel*>(ToQString(d.name));
    auto* named = window->findChild<QWidget*>(ToQString(d.focusControl));
    ASSERT_TRUE(label && named) << d.name;
    EXPECT_EQ(label->buddy(), named) << d.name;
    if (qobject_cast<QLineEdit*>(named)) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(named);
      ASSERT_NE(accessible, nullptr);
      EXPECT_EQ(accessible->text(QAccessible::Name), label->text()) << d.focusControl;
    }
  }
}

}  // namespace
