#include <algorithm>

#include "core/exceptions.h"
#include "ui/win32/font.h"
#include "ui/win32/form_window.h"
#include "ui/win32/text.h"

namespace {

// The default border: a resizable window with a title bar and the three buttons.
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW;

// Designed pixels are at 96 dots per inch; the window and its fonts scale as a whole.
int Scale(int designed, UINT dpi) {
  return MulDiv(designed, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

TForm* FormOf(HWND window) {
  return reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

TControl* ControlOf(const TForm& form, HWND handle) {
  for (const auto& control : form.Controls()) {
    if (control->Handle() == handle) return control.get();
  }
  return nullptr;
}

// The room an edit leaves between its border and its text, in designed pixels a side.
// The system's default follows the font and is about four pixels under Wine, which left
// the longest results (22 characters) a pixel or two short of room in a 137-pixel field.
constexpr int kEditTextMargin = 1;

// Set after the font, which resets the margins to the system's default.
void SetTextMargins(HWND edit, UINT dpi) {
  const int margin = Scale(kEditTextMargin, dpi);
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

// Labels size themselves to their caption and only ever grow, so a face with other
// metrics than the designed one never cuts a caption off or wraps it.
SIZE GrownToCaption(HWND label, HFONT font, std::string_view caption, SIZE designed) {
  const std::wstring text = Utf8ToWide(caption);
  SIZE needed{};
  HDC dc = GetDC(label);
  const HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &needed);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  return {std::max(designed.cx, needed.cx), std::max(designed.cy, needed.cy)};
}

// Places every control and gives it its font for this resolution; the fonts made for the
// previous one go once nothing uses them.
void Layout(const TForm& form, UINT dpi) {
  TForm::Native& native = *form.NativeState();
  std::vector<std::pair<const FontDescription*, HFONT>> made;
  const auto fontFor = [&](const FontDescription* font) {
    for (const auto& [description, handle] : made) {
      if (description == font) return handle;
    }
    made.emplace_back(font, MakeFont(*font, dpi));
    return made.back().second;
  };
  for (const auto& control : form.Controls()) {
    const ControlDescription& d = control->Description();
    const HFONT font = fontFor(d.font ? d.font : &form.Description().font);
    SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (d.controlClass == ControlClass::Edit) SetTextMargins(control->Handle(), dpi);
    SIZE size{Scale(d.width, dpi), Scale(d.height, dpi)};
    if (d.controlClass == ControlClass::Label) {
      size = GrownToCaption(control->Handle(), font, d.caption, size);
    }
    SetWindowPos(control->Handle(), nullptr, Scale(d.left, dpi), Scale(d.top, dpi), size.cx,
                 size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (HFONT font : native.fonts) DeleteObject(font);
  native.fonts.clear();
  for (const auto& entry : made) native.fonts.push_back(entry.second);
  native.dpi = dpi;
  InvalidateRect(form.Handle(), nullptr, TRUE);
}

// The window's outer size for the designed client area at the window's resolution.
void FitClientArea(const TForm& form) {
  const UINT dpi = form.NativeState()->dpi;
  RECT frame{0, 0, Scale(form.Description().clientWidth, dpi),
             Scale(form.Description().clientHeight, dpi)};
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE));
  AdjustWindowRectExForDpi(&frame, kFormStyle, FALSE, exStyle, dpi);
  SetWindowPos(form.Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Tab stops in their order, each preceded by the label that names it. The dialog manager
// tabs through the z-order, and assistive technology names a field by the static control
// just before it, so this one order serves both.
void StackInReadingOrder(const TForm& form) {
  HWND previous = HWND_TOP;
  const auto place = [&previous](const TControl& control) {
    SetWindowPos(control.Handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control.Handle();
  };
  for (const TControl* stop : form.TabStops()) {
    for (const auto& label : form.Controls()) {
      if (label->Description().focusControl == stop->Description().name) place(*label);
    }
    place(*stop);
  }
}

// Labels in their colour on the window's face. A read-only result looks like any field,
// as the design gives it no colour of its own: the system would grey it.
LRESULT Paint(const TControl& control, HDC dc) {
  const ControlDescription& d = control.Description();
  const bool field = d.controlClass == ControlClass::Edit;
  const int face = field ? COLOR_WINDOW : COLOR_BTNFACE;
  SetTextColor(dc, d.colour == ControlColour::Red ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(face));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
}

// True when the message is handled, with its result.
bool Handle(TForm& form, HWND window, UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(w) != BN_CLICKED || l == 0) return false;
      if (auto* button = dynamic_cast<TButton*>(ControlOf(form, reinterpret_cast<HWND>(l)))) {
        button->Click();
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC: {  // labels, and read-only edits
      const TControl* control = ControlOf(form, reinterpret_cast<HWND>(l));
      if (!control) return false;
      result = Paint(*control, reinterpret_cast<HDC>(w));
      return true;
    }
    case WM_DPICHANGED: {  // moved to a screen of another density: scale as a whole
      const auto* suggested = reinterpret_cast<const RECT*>(l);
      SetWindowPos(window, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout(form, HIWORD(w));
      return true;
    }
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) form.NativeState()->lastFocus = GetFocus();
      return false;
    case WM_SETFOCUS: {  // back to the control that had it, or the first tab stop
      HWND target = form.NativeState()->lastFocus;
      if (!target || !IsChild(window, target)) target = GetNextDlgTabItem(window, nullptr, FALSE);
      if (target) SetFocus(target);
      return true;
    }
    case WM_DESTROY:
      if (Application && Application->MainForm() == &form) PostQuitMessage(0);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  TForm* form = FormOf(window);
  // No exception may unwind through the system's frames; it is reported here instead.
  try {
    LRESULT result = 0;
    if (form && Handle(*form, window, message, w, l, result)) return result;
  } catch (...) {
    Application->ReportCurrentException();
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

ATOM RegisterFormClass() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FormProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, L"MAINICON");
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VornEvCalculatorForm";
  return RegisterClassExW(&windowClass);
}

}  // namespace

HWND CreateControlWindow(const TForm& form, const ControlDescription& description,
                         const wchar_t* windowClass, DWORD style, DWORD exStyle) {
  const auto id = kFirstControlId + (&description - form.Description().controls.data());
  HWND handle = CreateWindowExW(exStyle, windowClass, Utf8ToWide(description.caption).c_str(),
                                WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, form.Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!handle)
    throw Exception("The control " + std::string(description.name) + " could not be created");
  return handle;
}

TForm::TForm(TObject* /*owner*/, const FormDescription& description)
    : description_(description), native_(std::make_unique<Native>()) {
  static const ATOM windowClass = RegisterFormClass();
  // The frame's top-left corner at the designed place; the size follows from the client
  // area once the window knows its resolution.
  handle_ = CreateWindowExW(0, MAKEINTATOM(windowClass), Utf8ToWide(description.caption).c_str(),
                            kFormStyle, description.left, description.top, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (!handle_) throw Exception("The window could not be created");
  CreateControls();
  StackInReadingOrder(*this);
  Layout(*this, GetDpiForWindow(handle_));
  FitClientArea(*this);
}

TForm::~TForm() {
  controls_.clear();  // the control windows go with the form's window
  if (IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);  // nothing of this object is left to use
    DestroyWindow(handle_);
  }
}

void TForm::Show() {
  FitClientArea(*this);  // the taskbar choice may have changed the frame
  ShowWindow(handle_, SW_SHOWNORMAL);
  UpdateWindow(handle_);
}
