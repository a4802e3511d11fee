#pragma once

// What a toolkit provides to the calculator: an application object, a form built from its
// description, and three kinds of control around native handles. The calculator's own
// code (the form, its click, the rendering, the core) sees only this header; each toolkit
// folder (ui/qt, ui/win32) defines the functions marked "toolkit" and its own
// native_handle.h, which names the type of a native window or widget.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "native_handle.h"
#include "ui/form_description.h"

class Exception;

class TObject {
 public:
  virtual ~TObject() = default;
};

// A control owned by its form; the native control belongs to the form's native window.
class TControl : public TObject {
 public:
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  // The control's text as UTF-8 bytes, a new string for the caller (toolkit).
  std::string Text() const;
  // Shows text, from its first character; the caller keeps its own string (toolkit).
  void SetText(const std::string& text);

  const ControlDescription& Description() const { return description_; }
  NativeHandle Handle() const { return handle_; }

 protected:
  TControl(const ControlDescription& description, NativeHandle handle)
      : description_(description), handle_(handle) {}

 private:
  const ControlDescription& description_;
  NativeHandle handle_;
};

class TForm;

// The constructors make the native control inside the form's window (toolkit).
class TLabel : public TControl {
 public:
  TLabel(const ControlDescription& description, TForm& form);
};

class TEdit : public TControl {
 public:
  TEdit(const ControlDescription& description, TForm& form);

  // The most characters a user can type or paste into a field, on every toolkit.
  static constexpr int kMaxLength = 32767;
};

class TButton : public TControl {
 public:
  TButton(const ControlDescription& description, TForm& form);

  // Runs OnClick. Whatever it throws is reported through the application object and goes
  // no further: an exception must never unwind through a toolkit's own frames, and the
  // event loop carries on. The toolkit calls this for a click by mouse or keyboard.
  void Click() noexcept;

  std::function<void(TObject* sender)> OnClick;
};

// A window built from a form description. It owns its controls, made in the
// description's order, and its native window.
class TForm : public TObject {
 public:
  TForm(TObject* owner, const FormDescription& description);  // toolkit
  ~TForm() override;                                          // toolkit

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
  const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }
  // The controls that Tab visits, in their tab order.
  std::vector<const TControl*> TabStops() const;
  NativeHandle Handle() const { return handle_; }

  void Show();  // toolkit

  struct Native;  // the toolkit's own state, if it keeps any
  Native* NativeState() const { return native_.get(); }

 private:
  TControl* FindControlByName(std::string_view name) const;
  [[noreturn]] static void ThrowMissingControl(std::string_view name);
  void CreateControls();

  const FormDescription& description_;
  NativeHandle handle_ = nullptr;
  std::unique_ptr<Native> native_;
  std::vector<std::unique_ptr<TControl>> controls_;
};

// The application object: owns every form, runs the event loop and reports errors to the
// user. The first form created is the main form; the loop ends when it closes.
class TApplication {
 public:
  // Becomes the global Application. argc and argv must outlive the object.
  TApplication(int& argc, char** argv);  // toolkit
  ~TApplication();                       // toolkit

  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Makes the application ready to create forms (toolkit).
  void Initialize();

  // Builds a Form, stores it in *reference and keeps it until the application ends.
  template <typename Form>
  void CreateForm(Form** reference) {
    auto form = std::make_unique<Form>(nullptr);
    *reference = form.get();
    AdoptForm(std::move(form));
  }

  // Shows the main form and dispatches events until it is closed (toolkit).
  void Run();

  // Tells the user about an error in a modal message; returns when it is dismissed
  // (toolkit).
  void ShowException(const Exception& error);

  // For a guard's catch block: reports the exception being handled through ShowException,
  // an Exception as it is and anything else as an Exception with an empty message.
  void ReportCurrentException() noexcept;

  TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // Where ShowException's messages go instead of a message box (tests record them).
  using Reporter = std::function<void(const std::string& message)>;
  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

 private:
  friend void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar);

  struct Native;  // the toolkit's own state

  void AdoptForm(std::unique_ptr<TForm> form);  // toolkit
  bool ReportedToReporter(const Exception& error);

  bool mainFormOnTaskBar_ = false;
  Reporter reporter_;
  std::unique_ptr<Native> native_;
  std::vector<std::unique_ptr<TForm>> forms_;  // destroyed before native_
};

extern TApplication* Application;

// Whether the main form, created later, carries the taskbar entry itself.
void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar);
