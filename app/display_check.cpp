#include "app/display_check.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool SocketAccepts(const std::string& path) {
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool accepted = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return accepted;
}

bool WaylandReachable() {
  std::string name = Environment("WAYLAND_DISPLAY");
  if (name.empty()) return false;
  if (name.front() != '/') name = Environment("XDG_RUNTIME_DIR") + "/" + name;
  struct stat info {};
  return stat(name.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// ":0", ":0.0" and "unix:0" are local servers listening on /tmp/.X11-unix/X<n>.
bool X11Reachable() {
  const std::string display = Environment("DISPLAY");
  if (display.empty()) return false;
  const std::size_t colon = display.rfind(':');
  const std::string host = display.substr(0, colon == std::string::npos ? 0 : colon);
  if (colon == std::string::npos || !(host.empty() || host == "unix")) return true;
  const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
  return SocketAccepts("/tmp/.X11-unix/X" + number);
}

}  // namespace

std::string DisplayProblem() {
  if (!Environment("QT_QPA_PLATFORM").empty() || WaylandReachable() || X11Reachable()) return "";
  if (!Environment("DISPLAY").empty()) {
    return "the display " + Environment("DISPLAY") +
           " does not answer; start the calculator from a running desktop session";
  }
  return "no graphical display was found; start the calculator from a desktop session, or "
         "under xvfb-run for a virtual display";
}
