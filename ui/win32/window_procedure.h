#pragma once

#include <windows.h>

// The window class of every form. Its procedure finds the form's toolkit::Window through
// the window's user data, set from the creation parameter.
ATOM FormWindowClass();
