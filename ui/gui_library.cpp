// The toolkit interface as far as it is the same for every toolkit: all of it but the
// primitives in toolkit.h, which each toolkit folder implements.

#include "ui/gui_library.h"

#include <cstdio>

#include "core/exceptions.h"
#include "program_identity.h"

TApplication* Application = nullptr;

namespace {

// What leaves an event handler goes to the user, through the application object; called
// in the handler's catch block.
void ReportEscaped() noexcept {
  if (Application) Application->ReportCurrentException();
}

}  // namespace

std::string TControl::Text() const {
  return toolkit::GetText(*native_);
}

void TControl::SetText(const std::string& text) {
  toolkit::SetText(*native_, text);
}

TControl::TControl(const ControlDescription& description, const TForm& form)
    : description_(description), plan_(ResolveControl(description, form.Description())) {}

TLabel::TLabel(const ControlDescription& description, TForm& form) : TControl(description, form) {
  SetNative(toolkit::NewLabel(*form.Native(), Plan()));
}

TEdit::TEdit(const ControlDescription& description, TForm& form) : TControl(description, form) {
  SetNative(toolkit::NewEdit(*form.Native(), Plan()));
}

TButton::TButton(const ControlDescription& description, TForm& form) : TControl(description, form) {
  const auto click = [](void* button) { static_cast<TButton*>(button)->Click(); };
  SetNative(toolkit::NewButton(*form.Native(), Plan(), {click, this}));
}

void TButton::Click() noexcept {
  if (!OnClick) return;
  try {
    OnClick(this);
  } catch (...) {
    ReportEscaped();
  }
}

TForm::TForm(TObject* /*owner*/, const FormDescription& description)
    : description_(description),
      plan_(ResolveWindow(description)),
      window_(toolkit::NewWindow(plan_, {[](void*) { ReportEscaped(); }})) {
  CreateControls();
  ConnectControls();
}

// The controls go first: their toolkit parts belong to the window.
TForm::~TForm() {
  controls_.clear();
}

void TForm::Show() {
  toolkit::ShowWindow(*window_);
}

TControl* TForm::FindControlByName(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->Description().name == name) return control.get();
  }
  return nullptr;
}

std::vector<const TControl*> TForm::TabStops() const {
  return Named(plan_.tabOrder);
}

std::vector<const TControl*> TForm::ReadingOrder() const {
  return Named(plan_.readingOrder);
}

std::vector<const TControl*> TForm::Named(std::span<const std::string_view> names) const {
  std::vector<const TControl*> controls;
  for (const std::string_view name : names) controls.push_back(FindControl<TControl>(name));
  return controls;
}

void TForm::ThrowMissingControl(std::string_view name) {
  throw vorn::Exception("The form description has no suitable control named " + std::string(name));
}

// In the description's order, which is the order Controls() and FindControl() see.
void TForm::CreateControls() {
  for (const ControlDescription& description : description_.controls) {
    switch (description.kind) {
      case ControlKind::Label:
        controls_.push_back(std::make_unique<TLabel>(description, *this));
        break;
      case ControlKind::Edit:
        controls_.push_back(std::make_unique<TEdit>(description, *this));
        break;
      case ControlKind::Button:
        controls_.push_back(std::make_unique<TButton>(description, *this));
        break;
    }
  }
}

// The tab order first, then the labels' names: a toolkit that orders its controls for
// the screen reader puts each label just before the field it names.
void TForm::ConnectControls() {
  std::vector<const toolkit::Control*> stops;
  for (const TControl* stop : TabStops()) stops.push_back(stop->Native());
  toolkit::SetTabOrder(*window_, stops);
  for (const auto& control : controls_) {
    const std::string_view named = control->Description().focusControl;
    if (!named.empty())
      toolkit::NameByLabel(*control->Native(), *FindControl<TControl>(named)->Native());
  }
  std::vector<const toolkit::Control*> reading;
  for (const TControl* control : ReadingOrder()) reading.push_back(control->Native());
  toolkit::SetReadingOrder(*window_, reading);
}

TApplication::TApplication(int& argc, char** argv) : native_(toolkit::NewApplication(argc, argv)) {
  Application = this;
}

TApplication::~TApplication() {
  forms_.clear();
  native_.reset();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  toolkit::StartWindowSystem(*native_);
  started_ = true;
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
  if (forms_.empty()) toolkit::SetOnTaskBar(*form->Native(), mainFormOnTaskBar_);
  forms_.push_back(std::move(form));
}

void TApplication::Run() {
  if (!started_ || !MainForm()) return;
  toolkit::RunEventLoop(*native_, *MainForm()->Native());
}

void TApplication::ShowException(const vorn::Exception& error) {
  if (reporter_) {
    reporter_(error.what());
  } else if (started_) {
    toolkit::ShowErrorMessage(*native_, MainForm() ? MainForm()->Native() : nullptr, error.what());
  } else {  // no window system to show a message with
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(identity::kProductName.size()),
                 identity::kProductName.data(), error.what());
  }
}

void TApplication::ReportCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const vorn::Exception& error) {
      ShowException(error);
    } catch (...) {
      ShowException(vorn::Exception(""));
    }
  } catch (...) {  // the report itself failed (out of memory): the console is all that is left
    std::fprintf(stderr, "%.*s: an error could not be reported\n",
                 static_cast<int>(identity::kProductName.size()), identity::kProductName.data());
  }
}

void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar) {
  application->mainFormOnTaskBar_ = onTaskBar;
}
