#pragma once

// What a toolkit folder (ui/qt, ui/win32, ui/web) provides: this list and nothing else.
// The class layer above it (gui_library.h: the application object, forms, controls, error
// reporting, the order of creation) is written once, in gui_library.cpp, on these calls;
// a toolkit never calls up into it. What the layer wants back from a toolkit's event
// handlers reaches it through the callbacks it hands down here.
//
// The three structs are the toolkit's own state for the application, a window and a
// control; each toolkit defines them in its folder, and nothing outside that folder (and
// the toolkit's tests) sees inside them. A control's state belongs to its window and goes
// with it.

#include <span>
#include <string>

#include "ui/control_plan.h"

namespace toolkit {

// What the layer above hands down to be called back: a function and what it is called on,
// which outlives the callback. A plain pair rather than std::function, whose type erasure
// and type names cost the page's program a kilobyte.
struct Callback {
  void (*function)(void* context) = nullptr;
  void* context = nullptr;

  explicit operator bool() const { return function != nullptr; }
  void operator()() const { function(context); }
};

struct Application;
struct Window;
struct Control;  // belongs to its window

// Application

// The toolkit's application state, before any window system is reached. argc and argv
// outlive it.
Application* NewApplication(int& argc, char** argv);
void Delete(Application* application);
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

// Called inside a catch block, for an exception that left one of the toolkit's own event
// handlers: no exception may unwind through the window system's frames.
using EscapeReport = Callback;

// A hidden top-level window with the plan's caption, font, position and client size. The
// plan outlives the window; so does whatever reportEscaped refers to.
Window* NewWindow(const WindowPlan& plan, EscapeReport reportEscaped);
// Its controls go with it.
void Delete(Window* window);
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
// A push button that calls pressed() when pressed by mouse, Space or Enter. pressed
// reports whatever goes wrong itself and throws nothing.
Control* NewButton(Window& window, const ControlPlan& plan, Callback pressed);
// The control's text as UTF-8 bytes.
std::string GetText(const Control& control);
// Shows text from its first character.
void SetText(Control& control, const std::string& text);

// For std::unique_ptr, which the layer above keeps the application and windows in.
struct Deleter {
  template <typename Native>
  void operator()(Native* native) const {
    Delete(native);
  }
};

}  // namespace toolkit
