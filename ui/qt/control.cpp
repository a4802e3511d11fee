#include <QVariant>

#include "ui/qt/arrow_keys.h"
#include "ui/qt/colour.h"
#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace toolkit {

void ApplyPlan(QWidget& widget, const ControlPlan& plan) {
  widget.setObjectName(ToQString(plan.name));
  widget.setGeometry(plan.left, plan.top, plan.width, plan.height);
  widget.setFont(ToQFont(plan.font));
  if (!plan.tabStop) widget.setFocusPolicy(Qt::NoFocus);
  ApplyColours(widget, plan.text, plan.ground);
  MoveFocusWithArrows(widget, plan);
}

// Labels, fields and buttons all keep their text in the property "text". Fields hold
// UTF-8 on this platform: the number reading looks at bytes only, so a non-ASCII
// character simply ends a number.
std::string GetText(const Control& control) {
  return control.widget->property("text").toString().toStdString();
}

void SetText(Control& control, const std::string& text) {
  control.widget->setProperty("text", QString::fromStdString(text));
  // setText leaves a field's cursor, and so its view, at the end; a result wider than its
  // field would then hide its sign and first digits. Show it from its first character.
  if (control.edit) control.edit->setCursorPosition(0);
}

}  // namespace toolkit
