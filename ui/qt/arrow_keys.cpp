#include "ui/qt/arrow_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "ui/qt/font.h"

namespace {

class ArrowKeys : public QObject {
 public:
  ArrowKeys(QWidget& widget, const ControlPlan& plan) : QObject(&widget), plan_(plan) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    std::string_view to;
    if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down) to = plan_.arrowNext;
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up) to = plan_.arrowPrevious;
    if (to.empty()) return false;
    auto* window = static_cast<QWidget*>(watched)->parentWidget();
    if (auto* next = window->findChild<QWidget*>(ToQString(to), Qt::FindDirectChildrenOnly)) {
      next->setFocus(Qt::TabFocusReason);
      if (auto* field = qobject_cast<QLineEdit*>(next)) field->selectAll();
    }
    return true;
  }

 private:
  const ControlPlan& plan_;
};

}  // namespace

void MoveFocusWithArrows(QWidget& widget, const ControlPlan& plan) {
  if (plan.arrowNext.empty() && plan.arrowPrevious.empty()) return;
  widget.installEventFilter(new ArrowKeys(widget, plan));
}
