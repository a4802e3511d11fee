// The calculator window on Win32, in this process: what only the native controls can tell
// (fonts, formatting rectangles, colours), at every resolution a Windows user is offered,
// by the same change of resolution a move between screens makes. The behaviours every
// toolkit shares, among them every result shown whole at the system's resolution, are in
// tests/behaviours/window.txt.

#include <windows.h>
// after windows.h, which it needs
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/shared/widest_results.h"
#include "tests/win32/field_text.h"
#include "tests/win32/native_access.h"
#include "ui/form1.h"

namespace {

// The scalings Windows offers up to 225 %, and custom ones between and beyond them.
constexpr UINT kDpis[] = {96, 108, 120, 132, 144, 168, 192, 204, 216, 240, 288};

int Scale(int designed, UINT dpi) {
  return MulDiv(designed, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

char WidestDigit(HWND field) {
  char widest = '0';
  for (char digit = '1'; digit <= '9'; ++digit) {
    if (TextWidth(field, std::wstring(1, digit)) > TextWidth(field, std::wstring(1, widest)))
      widest = digit;
  }
  return widest;
}

RECT FormattingRect(HWND field) {
  RECT rect{};
  SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

class Form1Win32 : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->SetReporter([this](const std::string& message) { reports.push_back(message); });
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
  }
  void TearDown() override { Application->SetReporter(nullptr); }

  // What Windows sends when the window moves to a screen of another density.
  void MoveToScreenOf(UINT dpi) {
    const FormDescription& design = form->Description();
    RECT frame{0, 0, Scale(design.clientWidth, dpi), Scale(design.clientHeight, dpi)};
    HWND window = NativeWindow(*form);
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             dpi);
    OffsetRect(&frame, -frame.left, -frame.top);
    SendMessageW(NativeWindow(*form), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&frame));
  }

  std::unique_ptr<TForm1> form;
  std::vector<std::string> reports;
};

// Every control where the form's description puts it, scaled with the screen's density; a label may
// grow to fit its caption but keeps its place and height. The fonts' heights are the description's,
// scaled and never rounded up.
TEST_F(Form1Win32, PlacesEveryControlAsDescribedAtEveryResolution) {
  for (const UINT dpi : kDpis) {
    // (The client area's size is read off the real program at each resolution by
    // window_test.sh: Wine's frames do not follow a simulated change of resolution.)
    MoveToScreenOf(dpi);
    for (const auto& control : form->Controls()) {
      const ControlDescription& d = control->Description();
      HWND window = NativeWindow(*control);
      RECT box{};
      GetWindowRect(window, &box);
      MapWindowPoints(HWND_DESKTOP, NativeWindow(*form), reinterpret_cast<POINT*>(&box), 2);
      const std::string where = std::string(d.name) + " at " + std::to_string(dpi) + " dpi";
      EXPECT_EQ(box.left, Scale(d.left, dpi)) << where;
      EXPECT_EQ(box.top, Scale(d.top, dpi)) << where;
      EXPECT_EQ(box.bottom - box.top, Scale(d.height, dpi)) << where;
      if (d.kind == ControlKind::Label) {
        EXPECT_GE(box.right - box.left, Scale(d.width, dpi)) << where;
      } else {
        EXPECT_EQ(box.right - box.left, Scale(d.width, dpi)) << where;
      }
      const FontDescription& font = d.font ? *d.font : form->Description().font;
      LOGFONTW made{};
      GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof made,
                 &made);
      EXPECT_LE(-made.lfHeight, Scale(font.pixelHeight, dpi)) << where;
      EXPECT_GE(-made.lfHeight, font.pixelHeight) << where;
      EXPECT_EQ(made.lfWeight >= FW_BOLD, font.bold) << where;
    }
  }
}

// The face GDI really chose for the control's font, which is another than asked for where
// the system lacks it.
std::wstring DrawnFace(HWND control) {
  HDC dc = GetDC(control);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return face;
}

// A face the system lacks (Arial, under Wine) is answered by Liberation Sans, which has
// Arial's metrics, as the README promises, never by whatever the font mapper finds closest.
TEST_F(Form1Win32, DrawsEachControlInItsFaceOrItsStandIn) {
  for (const auto& control : form->Controls()) {
    const ControlDescription& d = control->Description();
    const FontDescription& font = d.font ? *d.font : form->Description().font;
    const std::wstring face = DrawnFace(NativeWindow(*control));
    EXPECT_TRUE(face == Wide(std::string(font.family)) || face == L"Liberation Sans")
        << d.name << " drawn in " << std::string(face.begin(), face.end());
  }
}

// Digits have one width in the field's font, so the widest shapes with the widest digit
// bound every text FloatToStr gives; each must leave the caret a pixel of room, or the
// field scrolls once the caret reaches the end.
TEST_F(Form1Win32, FitsEveryResultWholeAtEveryResolution) {
  for (const UINT dpi : kDpis) {
    MoveToScreenOf(dpi);
    for (TEdit* result : {form->CallEvEdit, form->FoldEvEdit}) {
      HWND field = NativeWindow(*result);
      const RECT room = FormattingRect(field);
      for (const std::string& text : WidestResultTexts(WidestDigit(field))) {
        EXPECT_LT(TextWidth(field, Wide(text)), room.right - room.left)
            << text << " at " << dpi << " dpi in " << result->Description().name;
      }
    }
  }
}

// A result is painted as any field is, not greyed as the system paints read-only edits.
TEST_F(Form1Win32, PaintsTheResultsInTheFieldColours) {
  for (const TEdit* result : {form->CallEvEdit, form->FoldEvEdit}) {
    HDC dc = GetDC(NativeWindow(*result));
    const auto brush =
        SendMessageW(NativeWindow(*form), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(NativeWindow(*result)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    ReleaseDC(NativeWindow(*result), dc);
  }
}

}  // namespace
