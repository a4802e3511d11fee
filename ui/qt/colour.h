#pragma once

#include <QPalette>
#include <QWidget>

#include "ui/control_plan.h"

// The widget draws its text and its ground in the plan's colours: a palette role of the
// style's, or the design's own colour in the role the widget draws its text with.
void ApplyColours(QWidget& widget, const Colour& text, const Colour& ground);
// The ground alone, for a window.
void ApplyGround(QWidget& widget, const Colour& face);
