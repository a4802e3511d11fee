#include <emscripten.h>

#include <string>

#include "program_identity.h"
#include "ui/web/dom.h"
#include "ui/web/native.h"

// A press on a button's element, from the page's script.
extern "C" EMSCRIPTEN_KEEPALIVE void vorn_web_press(toolkit::Control* control) {
  control->pressed();
}

namespace toolkit {

Application* NewApplication(int& /*argc*/, char** /*argv*/) {
  return new Application{};
}

void Delete(Application* application) {
  delete application;
}

// The page is the window system; the page's own script reports a browser that cannot run
// the program before this code is ever reached.
void StartWindowSystem(Application& /*application*/) {}

// The browser runs the event loop: the program hands it control and keeps its state alive
// for the events to come. This never returns, so main's objects are never destroyed.
void RunEventLoop(Application& /*application*/, Window& main) {
  ShowWindow(main);
  emscripten_exit_with_live_runtime();
}

// The dialog is modal to the page, but the browser cannot wait for it: this returns at
// once, and what follows the report (the end of a click) changes nothing on the page.
void ShowErrorMessage(Application& /*application*/, Window* /*owner*/, const std::string& message) {
  vorn_dom_show_message(std::string(identity::kProductName).c_str(), message.c_str());
}

}  // namespace toolkit
