#include <QLineEdit>

#include "ui/gui_library.h"
#include "ui/qt/font.h"

namespace {

QLineEdit* NewEdit(const ControlDescription& d, QWidget* window) {
  auto* edit = new QLineEdit(window);
  edit->setObjectName(ToQString(d.name));
  edit->setGeometry(d.left, d.top, d.width, d.height);
  if (d.font) edit->setFont(ToQFont(*d.font));
  edit->setReadOnly(d.readOnly);
  // Qt's accessibility bridge reports read-only line edits as editable; say it in words.
  if (d.readOnly) edit->setAccessibleDescription("Read-only");
  return edit;
}

}  // namespace

TEdit::TEdit(const ControlDescription& description, TForm& form)
    : TControl(description, NewEdit(description, form.Handle())) {}
