#include <QLabel>

#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace toolkit {

Control* NewLabel(Window& window, const ControlPlan& plan) {
  auto* label = new QLabel(ToQString(plan.caption), window.widget.get());
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ApplyPlan(*label, plan);
  const QSize needed = label->sizeHint();
  const Size size = plan.Fitted({plan.width, plan.height}, {needed.width(), needed.height()});
  label->resize(size.width, size.height);
  return window.Adopt(label);
}

}  // namespace toolkit
