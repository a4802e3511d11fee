#include <QPushButton>

#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace toolkit {

// A push button moves the focus with the arrow keys by itself, as the spec asks of a
// button.
Control* NewButton(Window& window, const ControlSpec& spec, TButton& button) {
  auto* widget = new QPushButton(ToQString(spec.caption), window.widget.get());
  ApplySpec(*widget, spec);
  widget->setAutoDefault(true);  // Enter presses the button while it has the focus
  QObject::connect(widget, &QPushButton::clicked, widget, [&button] { button.Click(); });
  return window.Adopt(widget);
}

}  // namespace toolkit
