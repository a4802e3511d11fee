#include "ui/qt/field_accessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace {

// Qt keeps its own line edit accessible private, so this one is built on the public widget
// accessible (name from the label, description, relations, actions) and the line edit's
// public calls, and reports what Qt's does but for the attribute run.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
 public:
  explicit FieldAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {
    addControllingSignal("textChanged(const QString&)");
    addControllingSignal("returnPressed()");
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
      return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text type) const override {
    QString text = type == QAccessible::Value ? edit()->displayText() : QString();
    if (text.isEmpty()) text = QAccessibleWidget::text(type);
    if (text.isEmpty() && type == QAccessible::Description) text = edit()->placeholderText();
    return text;
  }

  void setText(QAccessible::Text type, const QString& text) override {
    if (type != QAccessible::Value)
      QAccessibleWidget::setText(type, text);
    else if (!edit()->isReadOnly())
      edit()->setText(text);
  }

  // Qt calls every line edit editable, read-only or not.
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = edit()->isReadOnly();
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
  }

  // A line edit has one font and one colour throughout: one run, the whole text.
  QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

  QString text(int startOffset, int endOffset) const override {
    if (startOffset > endOffset) return {};
    return edit()->displayText().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return int(edit()->displayText().size()); }
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* startOffset, int* endOffset) const override {
    const bool any = index == 0 && edit()->hasSelectedText();
    *startOffset = any ? edit()->selectionStart() : 0;
    *endOffset = any ? edit()->selectionEnd() : 0;
  }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void setSelection(int index, int startOffset, int endOffset) override {
    if (index == 0) edit()->setSelection(startOffset, endOffset - startOffset);
  }
  void removeSelection(int index) override {
    if (index == 0) edit()->deselect();
  }

  // Measured from the start of the text, as Qt does.
  QRect characterRect(int offset) const override {
    const QString character = text(offset, offset + 1);
    if (character.isEmpty()) return {};
    const QFontMetrics metrics(edit()->font());
    const QPoint topLeft(metrics.horizontalAdvance(text(0, offset)), edit()->textMargins().top());
    return {edit()->mapToGlobal(topLeft),
            QSize(metrics.horizontalAdvance(character), metrics.height())};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
  }

  // A result is read-only to assistive technology as it is to the keyboard (Qt's own
  // accessible would let it be changed).
  void deleteText(int startOffset, int endOffset) override {
    if (edit()->isReadOnly()) return;
    edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
  }
  void insertText(int offset, const QString& text) override {
    if (edit()->isReadOnly()) return;
    edit()->setText(edit()->text().insert(offset, text));
  }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    if (edit()->isReadOnly()) return;
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
  }

 private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

// Asked for each class of an object, most derived first: a line edit at its own class.
QAccessibleInterface* FieldAccessibleFor(const QString& className, QObject* object) {
  auto* edit = className == QLatin1String("QLineEdit") ? qobject_cast<QLineEdit*>(object) : nullptr;
  return edit ? new FieldAccessible(edit) : nullptr;
}

}  // namespace

// The factory installed last is asked first, so this one, installed after the application
// has installed Qt's, answers for line edits.
void InstallFieldAccessible() {
  QAccessible::installFactory(FieldAccessibleFor);
}
