#pragma once

// On Win32 every form and control is a window; this is HWND without <windows.h>.
struct HWND__;
using NativeHandle = HWND__*;
