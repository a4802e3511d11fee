#pragma once

#include <QObject>

#include "ui/control_plan.h"

// Moves the focus where the control's plan sends an arrow key, to a sibling widget of that
// name, with a field's text selected; the widget's own handling (a push button would move
// by its own rule) never sees an arrow. A control whose plan keeps the keys gets them all.
void MoveFocusWithArrows(QWidget& widget, const ControlPlan& plan);
