#include <QPushButton>

#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace {

QPushButton* MakeButton(const ControlDescription& d, QWidget* window) {
  auto* button = new QPushButton(ToQString(d.caption), window);
  button->setObjectName(ToQString(d.name));
  button->setGeometry(d.left, d.top, d.width, d.height);
  if (d.font) button->setFont(ToQFont(*d.font));
  button->setAutoDefault(true);  // Enter presses the button while it has the focus
  return button;
}

}  // namespace

namespace toolkit {

Control* NewButton(Window& window, const ControlDescription& description, TButton& button) {
  QPushButton* widget = MakeButton(description, window.widget.get());
  QObject::connect(widget, &QPushButton::clicked, widget, [&button] { button.Click(); });
  return window.Adopt(widget);
}

}  // namespace toolkit
