#pragma once

// What the Win32 window tests read off a field's text as the system lays it out.

#include <windows.h>

#include <string>

// The tests' texts are ASCII.
inline std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

// The text's width in the field's own font.
inline int TextWidth(HWND field, const std::wstring& text) {
  HDC dc = GetDC(field);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(field, dc);
  return size.cx;
}

// Where the character at index starts, in the field's client coordinates.
inline int CharacterLeft(HWND field, int index) {
  return static_cast<short>(LOWORD(SendMessageW(field, EM_POSFROMCHAR, index, 0)));
}
