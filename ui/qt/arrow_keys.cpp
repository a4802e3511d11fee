#include "ui/qt/arrow_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <optional>

#include "ui/qt/font.h"

namespace {

std::optional<Arrow> ArrowOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return Arrow::Left;
    case Qt::Key_Up:
      return Arrow::Up;
    case Qt::Key_Right:
      return Arrow::Right;
    case Qt::Key_Down:
      return Arrow::Down;
    default:
      return std::nullopt;
  }
}

// The keypad's arrows carry a modifier of their own, which is no key held.
unsigned Held(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? kShift : 0u) |
         (modifiers & Qt::ControlModifier ? kControl : 0u) |
         (modifiers & Qt::AltModifier ? kAlt : 0u) | (modifiers & Qt::MetaModifier ? kMeta : 0u);
}

class ArrowKeys : public QObject {
 public:
  ArrowKeys(QWidget& widget, const ControlPlan& plan) : QObject(&widget), plan_(plan) {}

 protected:
  // Every arrow is taken from the widget, which (a push button) would otherwise move the
  // focus by its own rule whatever the plan says.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<Arrow> arrow = ArrowOf(key->key());
    if (!arrow) return false;
    const std::string_view to = plan_.ArrowTarget(*arrow, Held(key->modifiers()));
    auto* window = static_cast<QWidget*>(watched)->parentWidget();
    auto* next = to.empty()
                     ? nullptr
                     : window->findChild<QWidget*>(ToQString(to), Qt::FindDirectChildrenOnly);
    if (next) {
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
