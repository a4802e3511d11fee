#pragma once

#include <QLabel>
#include <QWidget>

// Labels size themselves to their caption, as the form description's labels expect: the
// widths it gives were measured with the original fonts, and a metric-compatible face
// with different hinting can need a pixel or two more. A label only ever grows, so its
// text stays where it was placed and is never clipped.
inline void AutoSizeLabels(QWidget* form) {
  for (QLabel* label : form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    label->ensurePolished();  // the style sheet sets the font
    const QSize needed = label->sizeHint();
    label->resize(std::max(label->width(), needed.width()),
                  std::max(label->height(), needed.height()));
  }
}

// Builds a form's controls from its form description (the .ui file compiled into the
// program) and applies the behaviour the description implies beyond Qt's defaults.
template <typename Form>
void LoadFormDescription(Form* form) {
  form->setupUi(form);
  AutoSizeLabels(form);
}
