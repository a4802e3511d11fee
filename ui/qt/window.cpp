#include <QLabel>

#include "ui/qt/colour.h"
#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace toolkit {

// Nothing of Qt's own handlers here throws, so there is nothing to report.
Window* NewWindow(const WindowPlan& plan, EscapeReport /*reportEscaped*/) {
  auto window = std::make_unique<Window>();
  window->widget = std::make_unique<QWidget>();
  QWidget& widget = *window->widget;
  widget.setWindowTitle(ToQString(plan.caption));
  widget.setFont(ToQFont(plan.font));
  ApplyGround(widget, plan.ground);
  widget.resize(plan.clientWidth, plan.clientHeight);
  // The frame's top-left corner at the designed place.
  widget.move(plan.left, plan.top);
  return window.release();
}

// The child widgets go with their window.
void Delete(Window* window) {
  delete window;
}

// A top-level window has its own taskbar entry; a tool window is kept off the taskbar.
void SetOnTaskBar(Window& window, bool onTaskBar) {
  QWidget& widget = *window.widget;
  const Qt::WindowType type = onTaskBar ? Qt::Window : Qt::Tool;
  widget.setWindowFlags((widget.windowFlags() & ~Qt::WindowType_Mask) | type);
}

void ShowWindow(Window& window) {
  window.widget->show();
}

void SetTabOrder(Window& /*window*/, std::span<const Control* const> stops) {
  for (std::size_t i = 1; i < stops.size(); ++i)
    QWidget::setTabOrder(stops[i - 1]->widget, stops[i]->widget);
}

// A caption that is its field's buddy names the field for assistive technology.
void NameByLabel(Control& label, Control& field) {
  static_cast<QLabel*>(label.widget)->setBuddy(field.widget);
}

// The window keeps its designed places at every size, so the order is the designed one.
void SetReadingOrder(Window& /*window*/, std::span<const Control* const> /*order*/) {}

}  // namespace toolkit
