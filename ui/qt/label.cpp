#include <QLabel>

#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace toolkit {

Control* NewLabel(Window& window, const ControlSpec& spec) {
  auto* label = new QLabel(ToQString(spec.caption), window.widget.get());
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ApplySpec(*label, spec);
  const QSize needed = label->sizeHint();
  const Size size = spec.Fitted({spec.width, spec.height}, {needed.width(), needed.height()});
  label->resize(size.width, size.height);
  return window.Adopt(label);
}

}  // namespace toolkit
