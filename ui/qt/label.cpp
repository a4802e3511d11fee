#include <QLabel>

#include "ui/qt/font.h"
#include "ui/qt/native.h"

namespace {

QLabel* MakeLabel(const ControlDescription& d, QWidget* window) {
  auto* label = new QLabel(ToQString(d.caption), window);
  label->setObjectName(ToQString(d.name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (d.font) label->setFont(ToQFont(*d.font));
  if (d.colour == ControlColour::Red) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
  }
  // Labels size themselves to their caption: the designed widths fit the captions in the
  // faces the form was drawn with, and a metric-compatible face with other hinting can
  // need a pixel or two more. A label only ever grows, so it stays where it was placed.
  const QSize needed = label->sizeHint();
  label->setGeometry(d.left, d.top, std::max(d.width, needed.width()),
                     std::max(d.height, needed.height()));
  return label;
}

}  // namespace

namespace toolkit {

Control* NewLabel(Window& window, const ControlDescription& description) {
  return window.Adopt(MakeLabel(description, window.widget.get()));
}

}  // namespace toolkit
