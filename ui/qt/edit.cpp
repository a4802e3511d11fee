#include <QFocusEvent>
#include <QLineEdit>

#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace {

// A field that is left for another control of the window shows its text from the first
// character again, so a long text never stays scrolled to its end with its sign out of
// view. Leaving the window, or opening the field's context menu, keeps the cursor where
// it was, for when the user comes back.
class Field : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
      setCursorPosition(0);
  }
};

QLineEdit* MakeEdit(const ControlDescription& d, QWidget* window) {
  auto* edit = new Field(window);
  edit->setObjectName(ToQString(d.name));
  edit->setGeometry(d.left, d.top, d.width, d.height);
  if (d.font) edit->setFont(ToQFont(*d.font));
  edit->setReadOnly(d.readOnly);
  edit->setMaxLength(TEdit::kMaxLength);
  // Qt's accessibility bridge reports read-only line edits as editable; say it in words.
  if (d.readOnly) edit->setAccessibleDescription("Read-only");
  return edit;
}

}  // namespace

namespace toolkit {

Control* NewEdit(Window& window, const ControlDescription& description) {
  return window.Adopt(MakeEdit(description, window.widget.get()));
}

}  // namespace toolkit
