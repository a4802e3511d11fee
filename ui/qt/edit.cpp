#include <QFocusEvent>
#include <QLineEdit>

#include "ui/qt/native.h"

namespace {

// Leaving the window, or opening the field's context menu, is not leaving the field for
// another control: the cursor stays where it was.
class Field : public QLineEdit {
 public:
  Field(QWidget* window, bool showsStartWhenLeft)
      : QLineEdit(window), showsStartWhenLeft_(showsStartWhenLeft) {}

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    if (showsStartWhenLeft_ && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason)
      setCursorPosition(0);
  }

 private:
  bool showsStartWhenLeft_;
};

}  // namespace

namespace toolkit {

Control* NewEdit(Window& window, const ControlPlan& plan) {
  auto* edit = new Field(window.widget.get(), plan.showsStartWhenLeft);
  ApplyPlan(*edit, plan);
  edit->setReadOnly(plan.readOnly);
  edit->setMaxLength(plan.maxLength);
  // Qt's accessibility bridge reports read-only line edits as editable; say it in words.
  if (plan.readOnly) edit->setAccessibleDescription("Read-only");
  return window.Adopt(edit, edit);
}

}  // namespace toolkit
