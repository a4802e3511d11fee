#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "program_identity.h"
#include "ui/win32/dialog_keys.h"
#include "ui/win32/native.h"
#include "ui/win32/text.h"

namespace toolkit {

Application* NewApplication(int& /*argc*/, char** /*argv*/) {
  return new Application{};
}

void Delete(Application* application) {
  delete application;
}

// Version 6 of the common controls (requested by the manifest) draws the controls in the
// system's current style. Win32 needs no connection to a display; there is always one.
void StartWindowSystem(Application& /*application*/) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

void RunEventLoop(Application& /*application*/, Window& main) {
  main.endsEventLoop = true;
  ShowWindow(main);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleDialogKey(main.handle, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void ShowErrorMessage(Application& /*application*/, Window* owner, const std::string& message) {
  HWND ownerHandle = owner && IsWindow(owner->handle) ? owner->handle : nullptr;
  MessageBoxW(ownerHandle, Utf8ToWide(message).c_str(), Utf8ToWide(identity::kProductName).c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace toolkit
