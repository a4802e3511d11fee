// Prints what the running calculator window looks like from Win32: its frame's position,
// client size and resolution, then each child in z-order (the order Tab and screen readers
// follow) with its class, whether it is a tab stop, and its accessible name.
//
//   frame 0,0 client 375x342 dpi 96
//   Static - "Input a . instead of a comma example:  124.56"
//   Button tab "Calculated"
//   ...
//
// With "results", it prints each result field's text, the first character in view, and
// where on the screen the field lays its text out (its formatting rectangle), for a look
// at the pixels there:
//
//   "-4.94065645841247E-324" first 0 rect 198,215 129x15

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

int PrintResults(HWND form) {
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongW(child, GWL_STYLE) & ES_READONLY)) continue;
    wchar_t className[64];
    GetClassNameW(child, className, 64);
    if (lstrcmpiW(className, L"Edit") != 0) continue;
    wchar_t text[64];  // GetWindowText reads another process's edit as it was created
    SendMessageW(child, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    RECT rect{};
    SendMessageW(child, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    MapWindowPoints(child, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    std::printf("\"%s\" first %d rect %ld,%ld %ldx%ld\n", Utf8(text).c_str(),
                static_cast<int>(SendMessageW(child, EM_GETFIRSTVISIBLELINE, 0, 0)), rect.left,
                rect.top, rect.right - rect.left, rect.bottom - rect.top);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Aware of the resolution, so that sizes are read in real pixels, not scaled ones.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  CoInitialize(nullptr);
  HWND form = FindWindowW(L"VornEvCalculatorForm", nullptr);
  if (!form) {
    std::puts("no calculator window");
    return 1;
  }
  if (argc > 1 && lstrcmpW(argv[1], L"results") == 0) return PrintResults(form);
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
