#include "ui/qt/display_failure.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "program_identity.h"

namespace {

QtMessageHandler previousHandler = nullptr;
int savedStderr = -1;
std::FILE* heldOutput = nullptr;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// One sentence naming what the user can change: the display setting or the platform.
std::string Sentence() {
  const std::string platform = Environment("QT_QPA_PLATFORM");
  const std::string display = Environment("DISPLAY");
  if (!platform.empty()) {
    return "the window system \"" + platform +
           "\" named by QT_QPA_PLATFORM could not be started; unset it to use the desktop's own";
  }
  if (!display.empty()) {
    return "the display " + display +
           " could not be opened (it does not answer, or does not accept this user); start "
           "the calculator from a running desktop session";
  }
  return "no graphical display was found; start the calculator from a desktop session, or "
         "under xvfb-run for a virtual display";
}

void RestoreStderr() {
  std::fflush(stderr);
  if (savedStderr >= 0) {
    dup2(savedStderr, STDERR_FILENO);
    close(savedStderr);
    savedStderr = -1;
  }
}

void FailOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    previousHandler(type, context, message);
    return;
  }
  RestoreStderr();
  std::fprintf(stderr, "%.*s: %s.\n", static_cast<int>(identity::kExecutable.size()),
               identity::kExecutable.data(), Sentence().c_str());
  std::fflush(stderr);
  std::_Exit(1);  // before Qt's abort(): nothing else is safe to run from here
}

}  // namespace

void DisplayFailure::Arm() {
  previousHandler = qInstallMessageHandler(FailOnFatal);
  std::fflush(stderr);
  heldOutput = std::tmpfile();
  if (heldOutput) {
    savedStderr = dup(STDERR_FILENO);
    dup2(fileno(heldOutput), STDERR_FILENO);
  }
}

void DisplayFailure::Disarm() {
  qInstallMessageHandler(previousHandler);
  RestoreStderr();
  if (!heldOutput) return;
  std::rewind(heldOutput);
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, heldOutput)) {
    std::fwrite(buffer, 1, n, stderr);
  }
  std::fclose(heldOutput);
  heldOutput = nullptr;
}
