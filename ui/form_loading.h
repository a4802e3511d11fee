#pragma once

#include <QFont>
#include <QLabel>
#include <QList>
#include <QVariant>
#include <QWidget>

// Labels size themselves to their caption, as the form description's labels expect: the
// widths it gives fit the captions in the faces the form was drawn with, and a
// metric-compatible face with different hinting can need a pixel or two more. A label only
// ever grows, so its text stays where it was placed and is never clipped.
inline void AutoSizeLabels(QWidget* form) {
  for (QLabel* label : form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const QSize needed = label->sizeHint();
    label->resize(std::max(label->width(), needed.width()),
                  std::max(label->height(), needed.height()));
  }
}

// Font heights in the form description are in pixels, as the form was designed; a .ui
// font carries points only, so each height travels as the dynamic property fontHeight.
// The form goes first, so that controls without a font of their own inherit its height.
inline void ApplyFontHeights(QWidget* form) {
  QList<QWidget*> widgets = form->findChildren<QWidget*>();
  widgets.prepend(form);
  for (QWidget* widget : widgets) {
    const QVariant height = widget->property("fontHeight");
    if (!height.isValid()) continue;
    QFont font = widget->font();
    font.setPixelSize(height.toInt());
    widget->setFont(font);
  }
}

// Builds a form's controls from its form description (the .ui file compiled into the
// program) and applies the behaviour the description implies beyond Qt's defaults.
template <typename Form>
void LoadFormDescription(Form* form) {
  form->setupUi(form);
  // The form is designed at the screen's top-left corner, frame included; the description
  // compiler applies only a top-level form's size, so its place is asked for here.
  form->move(0, 0);
  ApplyFontHeights(form);
  AutoSizeLabels(form);
}
