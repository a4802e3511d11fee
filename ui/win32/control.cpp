#include <windows.h>

#include "ui/gui_library.h"
#include "ui/win32/text.h"

std::string TControl::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
  return WideToUtf8(text);
}

// An edit control shows a text set this way from its first character.
void TControl::SetText(const std::string& text) {
  SetWindowTextW(handle_, Utf8ToWide(text).c_str());
}
