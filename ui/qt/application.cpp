#include <QEvent>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include "program_identity.h"
#include "ui/qt/display_failure.h"
#include "ui/qt/field_accessible.h"
#include "ui/qt/font.h"  // ToQString
#include "ui/qt/native.h"

namespace {

// The installed theme icon where there is one (it scales), else the copies built in.
QIcon ApplicationIcon() {
  const QString id = ToQString(identity::kApplicationId);
  QIcon builtIn;
  builtIn.addFile(":/icons/32/" + id + ".png", QSize(32, 32));
  builtIn.addFile(":/icons/48/" + id + ".png", QSize(48, 48));
  return QIcon::fromTheme(id, builtIn);
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

namespace toolkit {

Application* NewApplication(int& argc, char** argv) {
  return new Application{argc, argv, nullptr};
}

void Delete(Application* application) {
  delete application;
}

void StartWindowSystem(Application& application) {
  if (application.qt) return;
  DisplayFailure::Arm();
  application.qt = std::make_unique<QApplication>(application.argc, application.argv);
  DisplayFailure::Disarm();
  InstallFieldAccessible();
  // Lets a desktop match the window to its menu entry (and so to its icon and name).
  QGuiApplication::setDesktopFileName(ToQString(identity::kApplicationId));
}

void RunEventLoop(Application& application, Window& main) {
  main.widget->installEventFilter(new IconAfterFirstPaint(application.qt.get()));
  ShowWindow(main);
  QApplication::exec();
}

void ShowErrorMessage(Application& /*application*/, Window* owner, const std::string& message) {
  QMessageBox::critical(owner ? owner->widget.get() : nullptr, ToQString(identity::kProductName),
                        QString::fromStdString(message));
}

}  // namespace toolkit
