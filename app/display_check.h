#pragma once

#include <string>

// Why no window can be opened, or an empty text when a display looks reachable. Checked
// before Qt starts, because Qt ends the process without a word to the user when its
// platform plugin finds no display.
//
// A display counts as reachable when QT_QPA_PLATFORM names a platform explicitly, when
// WAYLAND_DISPLAY names a socket that exists, or when DISPLAY names a local X server
// that accepts a connection (or a remote one, which is taken on trust).
std::string DisplayProblem();
