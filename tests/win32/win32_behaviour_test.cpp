// The window's behaviours (tests/behaviours/window.txt) on Win32, driven by messages to
// the native controls, with the keys handled as the program's message loop handles them.

#include <windows.h>
// after windows.h, which it needs
#include <algorithm>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <utility>

#include "tests/behaviours/behaviour_test.h"
#include "tests/win32/field_text.h"
#include "tests/win32/native_access.h"
#include "ui/form1.h"
#include "ui/win32/dialog_keys.h"

namespace {

void PutOnClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) throw std::runtime_error("the clipboard would not open");
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

class Win32Driver : public WindowDriver {
 public:
  explicit Win32Driver(TForm1& form, std::vector<std::string>& reports)
      : form_(form), reports_(reports) {}

  void Focus(const std::string& name) override { SetFocus(Window(name)); }

  // A key's press and release as the message loop gets them, then what they posted, with
  // the held keys down in the thread's keyboard state meanwhile. With Alt held the system
  // sends the key as WM_SYSKEYDOWN, marked by bit 29.
  void Press(Key key, Held held) override {
    static constexpr UINT kKeys[] = {VK_TAB,   VK_SPACE, VK_RETURN, VK_LEFT,
                                     VK_RIGHT, VK_UP,    VK_DOWN,   VK_END};
    const UINT code = kKeys[static_cast<int>(key)];
    BYTE before[256], state[256];
    GetKeyboardState(before);
    std::copy(std::begin(before), std::end(before), state);
    for (const auto [down, vk] : {std::pair{held.shift, VK_SHIFT},
                                  {held.ctrl, VK_CONTROL},
                                  {held.alt, VK_MENU},
                                  {held.meta, VK_LWIN}})
      if (down) state[vk] |= 0x80;
    SetKeyboardState(state);
    const UINT down = held.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const LPARAM alt = held.alt ? 1 << 29 : 0;
    Deliver({GetFocus(), down, code, 1 | alt, 0, {}});
    Deliver({GetFocus(), down + 1, code, static_cast<LPARAM>(0xC0000001) | alt, 0, {}});
    for (MSG posted; PeekMessageW(&posted, nullptr, 0, 0, PM_REMOVE);) Deliver(posted);
    SetKeyboardState(before);
  }

  void Type(const std::string& name, const std::string& text) override {
    HWND field = Window(name);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (const char c : text) SendMessageW(field, WM_CHAR, static_cast<WPARAM>(c), 1);
  }

  void SetText(const std::string& name, const std::string& text) override {
    dynamic_cast<TEdit&>(Control(name)).SetText(text);
  }

  void Paste(const std::string& name, const std::string& text) override {
    HWND field = Window(name);
    PutOnClipboard(NativeWindow(form_), Wide(text));
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, WM_PASTE, 0, 0);
  }

  void Select(const std::string& name, int from, int to) override {
    SendMessageW(Window(name), EM_SETSEL, from, to);
  }

  void Click(const std::string& name) override { SendMessageW(Window(name), BM_CLICK, 0, 0); }

  std::string Focused() override {
    HWND focus = GetFocus();
    for (const auto& control : form_.Controls())
      if (NativeWindow(*control) == focus) return std::string(control->Description().name);
    return "";
  }

  std::string Text(const std::string& name) override {
    HWND window = Window(name);
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return std::string(text.begin(), text.end());
  }

  std::pair<int, int> Selection(const std::string& name) override {
    DWORD from = 0, to = 0;
    SendMessageW(Window(name), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    return {static_cast<int>(from), static_cast<int>(to)};
  }

  // The first and the last character inside the field's formatting rectangle.
  TextView View(const std::string& name) override {
    HWND field = Window(name);
    const std::wstring text = Wide(Text(name));
    if (text.empty()) return {true, true};
    RECT room{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const int last = static_cast<int>(text.size()) - 1;
    const int end = CharacterLeft(field, last) + TextWidth(field, text.substr(last));
    const bool firstVisible = SendMessageW(field, EM_GETFIRSTVISIBLELINE, 0, 0) == 0;
    return {firstVisible && CharacterLeft(field, 0) >= room.left, end <= room.right};
  }

  int TakeReports() override {
    const int count = static_cast<int>(reports_.size());
    reports_.clear();
    return count;
  }

 private:
  void Deliver(MSG message) {
    if (HandleDialogKey(NativeWindow(form_), message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }

  TControl& Control(const std::string& name) {
    return *form_.FindControl<TControl>(name);  // throws for a name the form lacks
  }
  HWND Window(const std::string& name) { return NativeWindow(Control(name)); }

  TForm1& form_;
  std::vector<std::string>& reports_;
};

// A fresh, shown calculator window whose error reports are recorded instead of shown.
class Win32Window : public testing::TestWithParam<Behaviour> {
 protected:
  void SetUp() override {
    Application->SetReporter([this](const std::string& message) { reports_.push_back(message); });
    form_ = std::make_unique<TForm1>(nullptr);
    form_->Show();
    driver_ = std::make_unique<Win32Driver>(*form_, reports_);
  }
  void TearDown() override { Application->SetReporter(nullptr); }

  WindowDriver& Driver() { return *driver_; }

 private:
  std::vector<std::string> reports_;
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<Win32Driver> driver_;
};

INSTANTIATE_BEHAVIOURS(Win32Window);

}  // namespace
