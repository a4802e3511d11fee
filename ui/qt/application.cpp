#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "core/exceptions.h"
#include "ui/gui_library.h"
#include "ui/qt/display_failure.h"

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

struct TApplication::Native {
  int& argc;
  char** argv;
  std::unique_ptr<QApplication> qt;
};

TApplication::TApplication(int& argc, char** argv)
    : native_(std::make_unique<Native>(Native{argc, argv, nullptr})) {
  Application = this;
}

TApplication::~TApplication() {
  forms_.clear();
  native_.reset();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  if (native_->qt) return;
  DisplayFailure::Arm();
  native_->qt = std::make_unique<QApplication>(native_->argc, native_->argv);
  DisplayFailure::Disarm();
  // Lets a desktop match the window to its menu entry (and so to its icon and name).
  QGuiApplication::setDesktopFileName(kApplicationId);
  // "Tahoma" is not installed on most Linux systems, and fontconfig's fallback (DejaVu Sans)
  // is about a sixth wider, too wide for the longest results in a field. Liberation Sans
  // has Arial's metrics, close to Tahoma's. A real Tahoma, where installed, still wins.
  QFont::insertSubstitution("Tahoma", "Liberation Sans");
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
  if (forms_.empty()) {
    // A top-level window has its own taskbar entry; a tool window is kept off the taskbar.
    QWidget* window = form->Handle();
    const Qt::WindowType type = mainFormOnTaskBar_ ? Qt::Window : Qt::Tool;
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | type);
  }
  forms_.push_back(std::move(form));
}

void TApplication::Run() {
  if (!native_->qt || !MainForm()) return;
  MainForm()->Handle()->installEventFilter(new IconAfterFirstPaint(native_->qt.get()));
  MainForm()->Show();
  QApplication::exec();
}

void TApplication::ShowException(const Exception& error) {
  if (ReportedToReporter(error)) return;
  if (native_->qt) {
    QWidget* parent = MainForm() ? MainForm()->Handle() : nullptr;
    QMessageBox::critical(parent, QString::fromUtf8(kTitle), QString::fromUtf8(error.what()));
  } else {  // no window system to show a message with
    std::fprintf(stderr, "%s: %s\n", kTitle, error.what());
  }
}
