#include <QPushButton>

#include "ui/gui_library.h"
#include "ui/qt/font.h"

namespace {

QPushButton* NewButton(const ControlDescription& d, QWidget* window) {
  auto* button = new QPushButton(ToQString(d.caption), window);
  button->setObjectName(ToQString(d.name));
  button->setGeometry(d.left, d.top, d.width, d.height);
  if (d.font) button->setFont(ToQFont(*d.font));
  button->setAutoDefault(true);  // Enter presses the button while it has the focus
  return button;
}

}  // namespace

TButton::TButton(const ControlDescription& description, TForm& form)
    : TControl(description, NewButton(description, form.Handle())) {
  QObject::connect(static_cast<QPushButton*>(Handle()), &QPushButton::clicked, Handle(),
                   [this] { Click(); });
}
