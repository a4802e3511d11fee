// Prints what the running calculator window looks like from Win32: its frame's position,
// client size and resolution, then each child in z-order (the order Tab and screen readers
// follow) with its class, whether it is a tab stop, and its accessible name.
//
//   frame 0,0 client 375x342 dpi 96
//   Static - "Input a . instead of a comma example:  124.56"
//   Button tab "Calculated"
//   ...

#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  return narrow;
}

// What an accessibility client hears as the control's name.
std::string AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  // __uuidof, not IID_IAccessible: MinGW's import library gives that one's address wrongly.
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible))))
    return "(no accessible object)";
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::string result = "(no name)";
  if (accessible->get_accName(self, &name) == S_OK && name) {
    result = Utf8(name);
    SysFreeString(name);
  }
  accessible->Release();
  return result;
}

}  // namespace

int wmain() {
  // Aware of the resolution, so that sizes are read in real pixels, not scaled ones.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  CoInitialize(nullptr);
  HWND form = FindWindowW(L"VornEvCalculatorForm", nullptr);
  if (!form) {
    std::puts("no calculator window");
    return 1;
  }
  RECT frame, client;
  GetWindowRect(form, &frame);
  GetClientRect(form, &client);
  std::printf("frame %ld,%ld client %ldx%ld dpi %u\n", frame.left, frame.top, client.right,
              client.bottom, GetDpiForWindow(form));
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64];
    GetClassNameW(child, className, 64);
    const bool tabStop = (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0;
    std::printf("%s %s \"%s\"\n", Utf8(className).c_str(), tabStop ? "tab" : "-",
                AccessibleName(child).c_str());
  }
  CoUninitialize();
  return 0;
}
