#pragma once

#include <windows.h>

#include "ui/control_plan.h"

// A plan's colour as the system palette gives it (GetSysColor), or the design's own.
COLORREF ColourOf(const Colour& colour);
// The system's brush for a ground; grounds are always palette roles, never fixed colours.
HBRUSH BrushOf(const Colour& ground);
