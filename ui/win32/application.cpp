#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "core/exceptions.h"
#include "ui/gui_library.h"
#include "ui/win32/dialog_keys.h"
#include "ui/win32/form_window.h"
#include "ui/win32/text.h"

namespace {

const wchar_t kTitle[] = L"Vorn EV calculator";

}  // namespace

struct TApplication::Native {};

TApplication::TApplication(int& /*argc*/, char** /*argv*/) : native_(std::make_unique<Native>()) {
  Application = this;
}

TApplication::~TApplication() {
  forms_.clear();
  native_.reset();
  if (Application == this) Application = nullptr;
}

// Version 6 of the common controls (requested by the manifest) draws the controls in the
// system's current style.
void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
  if (forms_.empty()) {
    // An application window has its own taskbar button; a tool window is kept off it.
    HWND window = form->Handle();
    LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    exStyle &= ~(WS_EX_APPWINDOW | WS_EX_TOOLWINDOW);
    exStyle |= mainFormOnTaskBar_ ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
  }
  forms_.push_back(std::move(form));
}

void TApplication::Run() {
  if (!MainForm()) return;
  MainForm()->Show();
  HWND main = MainForm()->Handle();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleDialogKey(main, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void TApplication::ShowException(const Exception& error) {
  if (ReportedToReporter(error)) return;
  HWND owner = MainForm() && IsWindow(MainForm()->Handle()) ? MainForm()->Handle() : nullptr;
  MessageBoxW(owner, Utf8ToWide(error.what()).c_str(), kTitle, MB_OK | MB_ICONERROR);
}
