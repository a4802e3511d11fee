#pragma once

// On Qt every form and control is a widget.
class QWidget;
using NativeHandle = QWidget*;
