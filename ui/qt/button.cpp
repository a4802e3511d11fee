#include <QPushButton>

#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace toolkit {

Control* NewButton(Window& window, const ControlPlan& plan, Callback pressed) {
  auto* widget = new QPushButton(ToQString(plan.caption), window.widget.get());
  ApplyPlan(*widget, plan);
  widget->setAutoDefault(true);  // Enter presses the button while it has the focus
  QObject::connect(widget, &QPushButton::clicked, widget, [pressed] { pressed(); });
  return window.Adopt(widget);
}

}  // namespace toolkit
