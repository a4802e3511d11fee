#pragma once

// What the calculator's own code (the form, its click, the rendering) builds on: an
// application object, a form built from its description, and three kinds of control.
// It names no toolkit: each control's native part is a pointer to a struct that only its
// toolkit folder defines. What a toolkit folder must implement is listed in toolkit.h,
// which this layer is written on and which knows nothing of it.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_plan.h"
#include "ui/form_description.h"
#include "ui/toolkit.h"

namespace vorn {
class Exception;
}  // namespace vorn

class TObject {
 public:
  virtual ~TObject() = default;
};

class TForm;

// A control owned by its form; the native control belongs to the form's native window.
class TControl : public TObject {
 public:
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  // The control's text as UTF-8 bytes, a new string for the caller.
  std::string Text() const;
  // Shows text, from its first character; the caller keeps its own string.
  void SetText(const std::string& text);

  const ControlDescription& Description() const { return description_; }
  // The description with the shared rules applied, as the toolkit made the control.
  const ControlPlan& Plan() const { return plan_; }
  // The toolkit's part, opaque here; its window owns it.
  toolkit::Control* Native() const { return native_; }

 protected:
  // Resolves the plan, from which the derived constructor makes the native control.
  TControl(const ControlDescription& description, const TForm& form);
  void SetNative(toolkit::Control* native) { native_ = native; }

 private:
  const ControlDescription& description_;
  const ControlPlan plan_;  // the native control keeps a reference to it
  toolkit::Control* native_ = nullptr;
};

// The constructors make the native control inside the form's window.
class TLabel : public TControl {
 public:
  TLabel(const ControlDescription& description, TForm& form);
};

class TEdit : public TControl {
 public:
  TEdit(const ControlDescription& description, TForm& form);
};

class TButton : public TControl {
 public:
  TButton(const ControlDescription& description, TForm& form);

  // Runs OnClick. Whatever it throws is reported through the application object and goes
  // no further: an exception must never unwind through a toolkit's own frames, and the
  // event loop carries on. The toolkit is handed this as the press of its button.
  void Click() noexcept;

  std::function<void(TObject* sender)> OnClick;
};

// A window built from a form description. It owns its controls, made in the
// description's order, and its native window.
class TForm : public TObject {
 public:
  TForm(TObject* owner, const FormDescription& description);
  ~TForm() override;

  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  // The control of that name, which must be of class Control; throws Exception otherwise,
  // as a damaged description must not yield a half-built form.
  template <typename Control>
  Control* FindControl(std::string_view name) const {
    auto* control = dynamic_cast<Control*>(FindControlByName(name));
    if (!control) ThrowMissingControl(name);
    return control;
  }

  const FormDescription& Description() const { return description_; }
  const WindowPlan& Plan() const { return plan_; }
  const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }
  // The controls that Tab visits, in their tab order, and every control as the eye reads
  // the form, as the plan orders them.
  std::vector<const TControl*> TabStops() const;
  std::vector<const TControl*> ReadingOrder() const;
  // The toolkit's window, opaque here.
  toolkit::Window* Native() const { return window_.get(); }

  void Show();

 private:
  TControl* FindControlByName(std::string_view name) const;
  std::vector<const TControl*> Named(std::span<const std::string_view> names) const;
  [[noreturn]] static void ThrowMissingControl(std::string_view name);
  void CreateControls();
  void ConnectControls();

  const FormDescription& description_;
  const WindowPlan plan_;
  std::unique_ptr<toolkit::Window, toolkit::Deleter> window_;
  std::vector<std::unique_ptr<TControl>> controls_;  // destroyed before window_
};

// The application object: owns every form, runs the event loop and reports errors to the
// user. The first form created is the main form; the loop ends when it closes.
class TApplication {
 public:
  // Becomes the global Application. argc and argv must outlive the object.
  TApplication(int& argc, char** argv);
  ~TApplication();

  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Reaches the window system, so that forms can be created. Where there is none, the
  // user is told in one sentence and the process ends with status 1.
  void Initialize();

  // Builds a Form, stores it in *reference and keeps it until the application ends.
  template <typename Form>
  void CreateForm(Form** reference) {
    auto form = std::make_unique<Form>(nullptr);
    *reference = form.get();
    AdoptForm(std::move(form));
  }

  // Shows the main form and dispatches events until it is closed. Does nothing before
  // Initialize or without a form.
  void Run();

  // Tells the user about an error in a modal message; returns when it is dismissed.
  // Before Initialize there is no window system, and it goes to standard error.
  void ShowException(const vorn::Exception& error);

  // For a guard's catch block: reports the exception being handled through ShowException,
  // an Exception as it is and anything else as an Exception with an empty message.
  void ReportCurrentException() noexcept;

  TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // Where ShowException's messages go instead of a message box (tests record them).
  using Reporter = std::function<void(const std::string& message)>;
  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

 private:
  friend void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar);

  void AdoptForm(std::unique_ptr<TForm> form);

  bool mainFormOnTaskBar_ = false;
  bool started_ = false;
  Reporter reporter_;
  std::unique_ptr<toolkit::Application, toolkit::Deleter> native_;
  std::vector<std::unique_ptr<TForm>> forms_;  // destroyed before native_
};

extern TApplication* Application;

// Whether the main form, created later, carries the taskbar entry itself.
void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar);
