// The window's behaviours (tests/behaviours/window.txt) on Qt, driven by QTest on the
// widgets.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "tests/behaviours/behaviour_test.h"
#include "tests/qt/qt_widgets.h"
#include "ui/form1.h"

namespace {

class QtDriver : public WindowDriver {
 public:
  explicit QtDriver(TForm1& form, std::vector<std::string>& reports)
      : form_(form), reports_(reports) {}

  void Focus(const std::string& name) override { Widget(name)->setFocus(); }

  void Press(Key key, Held held) override {
    static constexpr Qt::Key kKeys[] = {Qt::Key_Tab,   Qt::Key_Space, Qt::Key_Return, Qt::Key_Left,
                                        Qt::Key_Right, Qt::Key_Up,    Qt::Key_Down,   Qt::Key_End};
    Qt::KeyboardModifiers modifiers;
    if (held.shift) modifiers |= Qt::ShiftModifier;
    if (held.ctrl) modifiers |= Qt::ControlModifier;
    if (held.alt) modifiers |= Qt::AltModifier;
    if (held.meta) modifiers |= Qt::MetaModifier;
    QTest::keyClick(QApplication::focusWidget(), kKeys[static_cast<int>(key)], modifiers);
  }

  void Type(const std::string& name, const std::string& text) override {
    QLineEdit* field = Field(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromStdString(text));
  }

  void SetText(const std::string& name, const std::string& text) override {
    dynamic_cast<TEdit&>(Control(name)).SetText(text);
  }

  void Paste(const std::string& name, const std::string& text) override {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    QLineEdit* field = Field(name);
    field->setFocus();
    field->selectAll();
    field->paste();
  }

  void Select(const std::string& name, int from, int to) override {
    Field(name)->setSelection(from, to - from);
  }

  void Click(const std::string& name) override { QTest::mouseClick(Widget(name), Qt::LeftButton); }

  std::string Focused() override {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName().toStdString() : "";
  }

  std::string Text(const std::string& name) override { return Field(name)->text().toStdString(); }

  std::pair<int, int> Selection(const std::string& name) override {
    const QLineEdit* field = Field(name);
    if (!field->hasSelectedText()) return {field->cursorPosition(), field->cursorPosition()};
    return {field->selectionStart(), field->selectionEnd()};
  }

  // The view follows the cursor, and a text that fits is never scrolled.
  TextView View(const std::string& name) override {
    const QLineEdit* field = Field(name);
    const bool fits = field->fontMetrics().horizontalAdvance(field->text()) + 1 <= TextRoom(field);
    return {fits || field->cursorPosition() == 0,
            fits || field->cursorPosition() == field->text().size()};
  }

  int TakeReports() override {
    const int count = static_cast<int>(reports_.size());
    reports_.clear();
    return count;
  }

 private:
  TControl& Control(const std::string& name) {
    return *form_.FindControl<TControl>(name);  // throws for a name the form lacks
  }
  QWidget* Widget(const std::string& name) { return NativeWidget(Control(name)); }
  QLineEdit* Field(const std::string& name) { return qobject_cast<QLineEdit*>(Widget(name)); }

  TForm1& form_;
  std::vector<std::string>& reports_;
};

// A fresh, shown and active calculator window whose error reports are recorded instead
// of shown.
class QtWindow : public testing::TestWithParam<Behaviour> {
 protected:
  void SetUp() override {
    Application->SetReporter([this](const std::string& message) { reports_.push_back(message); });
    form_ = std::make_unique<TForm1>(nullptr);
    form_->Show();
    NativeWidget(*form_)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(NativeWidget(*form_)));
    driver_ = std::make_unique<QtDriver>(*form_, reports_);
  }
  void TearDown() override { Application->SetReporter(nullptr); }

  WindowDriver& Driver() { return *driver_; }

 private:
  std::vector<std::string> reports_;
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<QtDriver> driver_;
};

INSTANTIATE_BEHAVIOURS(QtWindow);

}  // namespace
