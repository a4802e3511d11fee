// The parts of the toolkit interface that are the same for every toolkit.

#include "ui/gui_library.h"

#include <algorithm>
#include <cstdio>

#include "core/exceptions.h"

TApplication* Application = nullptr;

void TButton::Click() noexcept {
  if (!OnClick) return;
  try {
    OnClick(this);
  } catch (...) {
    Application->ReportCurrentException();
  }
}

TControl* TForm::FindControlByName(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->Description().name == name) return control.get();
  }
  return nullptr;
}

std::vector<const TControl*> TForm::TabStops() const {
  std::vector<const TControl*> stops;
  for (const auto& control : controls_) {
    if (control->Description().tabOrder >= 0) stops.push_back(control.get());
  }
  std::ranges::sort(stops, {}, [](const TControl* c) { return c->Description().tabOrder; });
  return stops;
}

void TForm::ThrowMissingControl(std::string_view name) {
  throw Exception("The form description has no suitable control named " + std::string(name));
}

// In the description's order, which is the order Controls() and FindControl() see.
void TForm::CreateControls() {
  for (const ControlDescription& description : description_.controls) {
    switch (description.controlClass) {
      case ControlClass::Label:
        controls_.push_back(std::make_unique<TLabel>(description, *this));
        break;
      case ControlClass::Edit:
        controls_.push_back(std::make_unique<TEdit>(description, *this));
        break;
      case ControlClass::Button:
        controls_.push_back(std::make_unique<TButton>(description, *this));
        break;
    }
  }
}

void TApplication::ReportCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const Exception& error) {
      ShowException(error);
    } catch (...) {
      ShowException(Exception(""));
    }
  } catch (...) {  // the report itself failed (out of memory): the console is all that is left
    std::fputs("Vorn EV calculator: an error could not be reported\n", stderr);
  }
}

bool TApplication::ReportedToReporter(const Exception& error) {
  if (!reporter_) return false;
  reporter_(error.what());
  return true;
}

void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar) {
  application->mainFormOnTaskBar_ = onTaskBar;
}
