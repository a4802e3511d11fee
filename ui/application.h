#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Exception;
class QApplication;
class QWidget;

// The application object: owns the Qt application and every form, runs the event loop
// and reports errors to the user. The first form created is the main form; the loop ends
// when it closes.
class TApplication {
 public:
  // Becomes the global Application. argc and argv must outlive the object, as Qt requires.
  TApplication(int& argc, char** argv);
  ~TApplication();

  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Makes the application ready to create forms.
  void Initialize();

  // Builds a Form from its form description, stores it in *reference and keeps it until
  // the application ends. The first form becomes the main form.
  template <typename Form>
  void CreateForm(Form** reference) {
    auto form = std::make_unique<Form>(nullptr);
    *reference = form.get();
    AdoptForm(std::move(form));
  }

  // Shows the main form and dispatches events until it is closed.
  void Run();

  // Tells the user about an error in a modal message; returns when it is dismissed.
  void ShowException(const Exception& error);

  // For a guard's catch block: reports the exception being handled through ShowException,
  // an Exception as it is and anything else as an Exception with an empty message.
  void ReportCurrentException() noexcept;

  QWidget* MainForm() const;

  // Where ShowException's messages go instead of a message box (tests record them).
  using Reporter = std::function<void(const std::string& message)>;
  void SetReporter(Reporter reporter);

 private:
  friend void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar);

  void AdoptForm(std::unique_ptr<QWidget> form);

  int& argc_;
  char** argv_;
  bool mainFormOnTaskBar_ = false;
  Reporter reporter_;
  std::unique_ptr<QApplication> qt_;
  std::vector<std::unique_ptr<QWidget>> forms_;  // destroyed before qt_
};

extern TApplication* Application;

// Whether the main form, created later, carries the taskbar entry itself.
void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar);
