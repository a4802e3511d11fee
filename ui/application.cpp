#include "ui/application.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "core/exceptions.h"
#include "ui/display_failure.h"

TApplication* Application = nullptr;

namespace {

const char* const kTitle = "Vorn EV calculator";
const char* const kApplicationId = "app.vorn.EvCalculator";

// The installed theme icon where there is one (it scales), else the copies built in.
QIcon ApplicationIcon() {
  QIcon builtIn;
  builtIn.addFile(":/icons/32/app.vorn.EvCalculator.png", QSize(32, 32));
  builtIn.addFile(":/icons/48/app.vorn.EvCalculator.png", QSize(48, 48));
  return QIcon::fromTheme(kApplicationId, builtIn);
}

// Converting the icon for the window system costs about as much as everything else before
// the window's first paint (a tenth of the start-up time), so the icon is set just after
// that paint instead of before it.
class IconAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] {
        QApplication::setWindowIcon(ApplicationIcon());
        deleteLater();
      });
    }
    return false;
  }
};

}  // namespace

TApplication::TApplication(int& argc, char** argv) : argc_(argc), argv_(argv) {
  Application = this;
}

TApplication::~TApplication() {
  forms_.clear();
  qt_.reset();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  if (qt_) return;
  DisplayFailure::Arm();
  qt_ = std::make_unique<QApplication>(argc_, argv_);
  DisplayFailure::Disarm();
  // "Tahoma" is not installed on most Linux systems, and fontconfig's fallback (DejaVu Sans)
  // is about a sixth wider, too wide for the longest results in a field. Liberation Sans
  // has Arial's metrics, close to Tahoma's. A real Tahoma, where installed, still wins.
  QFont::insertSubstitution("Tahoma", "Liberation Sans");
  // Lets a desktop match the window to its menu entry (and so to its icon and name).
  QGuiApplication::setDesktopFileName(kApplicationId);
}

void TApplication::AdoptForm(std::unique_ptr<QWidget> form) {
  if (forms_.empty()) {
    // A top-level window has its own taskbar entry; a tool window is kept off the taskbar.
    const Qt::WindowFlags type = mainFormOnTaskBar_ ? Qt::Window : Qt::Tool;
    form->setWindowFlags((form->windowFlags() & ~Qt::WindowType_Mask) | type);
  }
  forms_.push_back(std::move(form));
}

QWidget* TApplication::MainForm() const {
  return forms_.empty() ? nullptr : forms_.front().get();
}

void TApplication::Run() {
  if (!qt_ || !MainForm()) return;
  MainForm()->installEventFilter(new IconAfterFirstPaint(qt_.get()));
  MainForm()->show();
  QApplication::exec();
}

void TApplication::ShowException(const Exception& error) {
  if (reporter_) {
    reporter_(error.what());
  } else if (qt_) {
    QMessageBox::critical(MainForm(), QString::fromUtf8(kTitle), QString::fromUtf8(error.what()));
  } else {  // no window system to show a message with
    std::fprintf(stderr, "%s: %s\n", kTitle, error.what());
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
    std::fprintf(stderr, "%s: an error could not be reported\n", kTitle);
  }
}

void TApplication::SetReporter(Reporter reporter) {
  reporter_ = std::move(reporter);
}

void SetApplicationMainFormOnTaskBar(TApplication* application, bool onTaskBar) {
  application->mainFormOnTaskBar_ = onTaskBar;
}
