#include "ui/win32/font.h"

#include <string_view>

#include "ui/win32/text.h"

namespace {

// The digits: all but two of the characters in the longest results.
constexpr std::wstring_view kSample = L"0123456789";

// The face the font mapper really gives for a family: the family itself where the system
// has it (or a substitute the system names for it).
std::wstring RealizedFace(const std::wstring& family) {
  HFONT probe = CreateFontW(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, family.c_str());
  HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, probe);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(probe);
  return face;
}

// Left to itself, the font mapper would answer a missing face with whatever it finds
// closest, of other metrics; the plan's stand-in has the designed ones.
std::wstring Face(const FontPlan& font) {
  std::wstring family = Utf8ToWide(font.family);
  if (font.fallback.empty() || _wcsicmp(RealizedFace(family).c_str(), family.c_str()) == 0)
    return family;
  return Utf8ToWide(font.fallback);
}

HFONT FontOfHeight(const std::wstring& face, bool bold, int height) {
  // A negative height asks for the character height, as the design gives it.
  return CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

int SampleWidth(HDC dc, HFONT font) {
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, kSample.data(), static_cast<int>(kSample.size()), &size);
  SelectObject(dc, previous);
  return size.cx;
}

}  // namespace

HFONT MakeFont(const FontPlan& font, UINT dpi) {
  const std::wstring face = Face(font);  // once: the face does not change with the height
  const int designed = font.pixelHeight;
  int height = designed * static_cast<int>(dpi) / USER_DEFAULT_SCREEN_DPI;
  HFONT made = FontOfHeight(face, font.bold, height);
  if (dpi <= USER_DEFAULT_SCREEN_DPI) return made;
  HDC dc = GetDC(nullptr);
  const HFONT reference = FontOfHeight(face, font.bold, designed);
  // The designed width, scaled and rounded as the fields' widths are.
  const int allowed =
      MulDiv(SampleWidth(dc, reference), static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
  DeleteObject(reference);
  while (height > designed && SampleWidth(dc, made) > allowed) {
    DeleteObject(made);
    made = FontOfHeight(face, font.bold, --height);
  }
  ReleaseDC(nullptr, dc);
  return made;
}
