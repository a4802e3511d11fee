#pragma once

// What a toolkit folder (ui/qt, ui/win32, ui/web) provides: this list and nothing else. The
// rest of the interface in gui_library.h (the application object, forms, controls, error
// reporting, the order of creation) is written once, in gui_library.cpp, on top of it.
//
// The three structs are the toolkit's own state for the application, a window and a
// control; each toolkit defines them in its folder, and nothing outside that folder (and
// the toolkit's test accessors) sees inside them. A control's state belongs to its window
// and goes with it.

#include <span>
#include <string>

#include "ui/gui_library.h"

// The structs Application, Window and Control, and Delete for the first two (which make
// 18 primitives in all), are declared in gui_library.h, which owns them.

namespace toolkit {

// Application

// The toolkit's application state, before any window system is reached. argc and argv
// outlive it.
Application* NewApplication(int& argc, char** argv);
// Reaches the window system. Where none can be reached, the user is told in one sentence
// and the process ends with status 1. A second call does nothing.
void StartWindowSystem(Application& application);
// Shows main and dispatches events until main is closed; then returns. Where the platform
// runs the loop itself (the browser), hands control to it instead and never returns.
void RunEventLoop(Application& application, Window& main);
// A modal error message with the program's name as its title, over owner where there is
// one; returns when the user has dismissed it, or at once where the platform cannot wait
// (the browser), the message staying modal until dismissed.
void ShowErrorMessage(Application& application, Window* owner, const std::string& message);

// Windows

// A hidden top-level window with the plan's caption, font, position and client size. The
// plan outlives the window.
Window* NewWindow(const WindowPlan& plan);
// Whether the window has its own taskbar entry (an application window) or none (a tool
// window). Called before the window is first shown.
void SetOnTaskBar(Window& window, bool onTaskBar);
void ShowWindow(Window& window);
// The controls that Tab visits, in that order. (Whether a control takes the focus at all
// is in its plan.)
void SetTabOrder(Window& window, std::span<const Control* const> stops);
// The label's caption becomes the field's accessible name, read by screen readers.
void NameByLabel(Control& label, Control& field);
// Every control of the window as the eye reads the form. A toolkit that stacks the
// controls in one column on a narrow screen (the page on a phone) stacks them in this
// order; one that always keeps the designed places has no use for it.
void SetReadingOrder(Window& window, std::span<const Control* const> order);

// Controls, each made as its plan says: every field of the plan applied, none decided
// here. The plan outlives the control.

Control* NewLabel(Window& window, const ControlPlan& plan);
Control* NewEdit(Window& window, const ControlPlan& plan);
// A push button that calls button.Click() when pressed by mouse, Space or Enter.
Control* NewButton(Window& window, const ControlPlan& plan, TButton& button);
// The control's text as UTF-8 bytes.
std::string GetText(const Control& control);
// Shows text from its first character.
void SetText(Control& control, const std::string& text);

}  // namespace toolkit
