#include "ui/win32/font.h"

#include <string_view>

#include "ui/win32/text.h"

namespace {

// The digits: all but two of the characters in the longest results.
constexpr std::wstring_view kSample = L"0123456789";

HFONT FontOfHeight(const FontDescription& font, int height) {
  // A negative height asks for the character height, as the design gives it.
  return CreateFontW(-height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, Utf8ToWide(font.family).c_str());
}

int SampleWidth(HDC dc, HFONT font) {
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, kSample.data(), static_cast<int>(kSample.size()), &size);
  SelectObject(dc, previous);
  return size.cx;
}

}  // namespace

HFONT MakeFont(const FontDescription& font, UINT dpi) {
  const int designed = font.pixelHeight;
  int height = designed * static_cast<int>(dpi) / USER_DEFAULT_SCREEN_DPI;
  HFONT made = FontOfHeight(font, height);
  if (dpi <= USER_DEFAULT_SCREEN_DPI) return made;
  HDC dc = GetDC(nullptr);
  const HFONT reference = FontOfHeight(font, designed);
  // The designed width, scaled and rounded as the fields' widths are.
  const int allowed =
      MulDiv(SampleWidth(dc, reference), static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
  DeleteObject(reference);
  while (height > designed && SampleWidth(dc, made) > allowed) {
    DeleteObject(made);
    made = FontOfHeight(font, --height);
  }
  ReleaseDC(nullptr, dc);
  return made;
}
