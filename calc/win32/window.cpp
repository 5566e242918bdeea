#include "window.hpp"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resource.h"
#include "vlm/calc/calculator.hpp"
#include "vlm/codepage.hpp"

namespace vlm::calc::win32 {
namespace {

// The resource script names the model's identifiers by number.
static_assert(IDC_GROUP_BOX == id::kGroupBox && IDC_MODE_TABS == id::kModeTabs && IDC_PHASE_TABS == id::kPhaseTabs);
static_assert(IDC_ARGUMENT1_LABEL == id::kArgument1Label && IDC_ARGUMENT1_EDIT == id::kArgument1Edit &&
              IDC_ARGUMENT1_UPDOWN == id::kArgument1UpDown && IDC_ARGUMENT1_UNIT == id::kArgument1Unit);
static_assert(IDC_ARGUMENT2_LABEL == id::kArgument2Label && IDC_ARGUMENT2_EDIT == id::kArgument2Edit &&
              IDC_ARGUMENT2_UPDOWN == id::kArgument2UpDown && IDC_ARGUMENT2_UNIT == id::kArgument2Unit);
static_assert(IDC_DIGIT_COUNT == id::kDigitCountEdit && IDM_SYSTEM_ABOUT == id::kAboutCommand);

constexpr int kArgumentLabels[] = {id::kArgument1Label, id::kArgument2Label};
constexpr int kArgumentEdits[] = {id::kArgument1Edit, id::kArgument2Edit};
constexpr int kArgumentUnits[] = {id::kArgument1Unit, id::kArgument2Unit};
constexpr int kFixedControls[] = {id::kGroupBox,        id::kModeTabs,        id::kArgument1Label, id::kArgument1Edit,
                                  id::kArgument1UpDown, id::kArgument1Unit,   id::kPhaseTabs,      id::kArgument2Label,
                                  id::kArgument2Edit,   id::kArgument2UpDown, id::kArgument2Unit};
// The up-downs only report steps; their own position stays in the middle of the range.
constexpr int kUpDownLow = 0, kUpDownHigh = 100, kUpDownRest = 50;

// The model's marking colour (0xRRGGBB) as the system writes colours.
constexpr COLORREF kMarkColour =
    RGB(kPartlyReadColour >> 16, (kPartlyReadColour >> 8) & 0xFF, kPartlyReadColour & 0xFF);

const char kVersionWord[] = "\xc2\xe5\xf0\xf1\xe8\xff ";  // "Версия "

std::wstring wide(std::string_view cp1251) {
  const std::u16string text = codepage::cp1251ToUtf16(cp1251);
  return {text.begin(), text.end()};
}

std::string narrow(std::wstring_view text) { return codepage::utf16ToCp1251(std::u16string(text.begin(), text.end())); }

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

struct CreateParams {
  HINSTANCE instance;
  SettingsStore store;
  bool modal;
};

class Window {
 public:
  Window(HWND hwnd, CreateParams& params)
      : hwnd_(hwnd), instance_(params.instance), modal_(params.modal), store_(std::move(params.store)) {}
  ~Window() {
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
    if (markBrush_ != nullptr) DeleteObject(markBrush_);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void initialise();
  bool ready() const { return model_.has_value(); }  // false only while or after a failed start
  INT_PTR message(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND item(int id) const { return GetDlgItem(hwnd_, id); }
  void refresh();
  void setText(int id, const std::string& text);
  void setTip(int id, const std::wstring& text);
  void markReading(int id);
  INT_PTR editColours(HDC dc, HWND control);
  void show(int id, bool visible);
  void syncUnitList(int id);
  void syncTab(int id);
  bool command(int id, int code, HWND control);
  bool notify(const NMHDR& header);
  void toggleRangeCheck();
  void digitCount();
  void about();
  void save();
  void close();

  HWND hwnd_;
  HINSTANCE instance_;
  bool modal_;
  SettingsStore store_;  // handed to the model when it is made
  std::optional<Calculator> model_;
  std::map<int, std::vector<std::string>> lists_;  // the names each unit list holds
  bool updating_ = false;                          // the window is writing its own fields: their changes are no edits
  bool saved_ = false;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HWND tips_ = nullptr;                // tooltips of the argument and result fields
  std::map<int, std::wstring> tipOf_;  // what each field's tooltip says
  std::map<int, bool> marked_;         // argument fields whose text was not read whole
  HBRUSH markBrush_ = nullptr;
};

INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void Window::initialise() {
  // The about item of the system menu, and the window's icons.
  HMENU systemMenu = GetSystemMenu(hwnd_, FALSE);
  wchar_t aboutItem[256] = {};
  LoadStringW(instance_, IDS_SYSTEM_ABOUT, aboutItem, static_cast<int>(std::size(aboutItem)));
  AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(systemMenu, MF_STRING, IDM_SYSTEM_ABOUT, aboutItem);
  const auto icon = [&](int sizeX, int sizeY) {
    return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_CALCULATOR), IMAGE_ICON,
                                         GetSystemMetrics(sizeX), GetSystemMetrics(sizeY), LR_DEFAULTCOLOR));
  };
  bigIcon_ = icon(SM_CXICON, SM_CYICON);
  smallIcon_ = icon(SM_CXSMICON, SM_CYSMICON);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  for (int id : {id::kArgument1UpDown, id::kArgument2UpDown}) {
    SendMessageW(item(id), UDM_SETRANGE32, kUpDownLow, kUpDownHigh);
    SendMessageW(item(id), UDM_SETPOS32, 0, kUpDownRest);
  }

  const auto insertTabs = [&](int id, const auto& texts) {
    int index = 0;
    for (const char* text : texts) {
      std::wstring label = wide(text);
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = label.data();
      SendMessageW(item(id), TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&tab));
    }
    SendMessageW(item(id), TCM_SETCURSEL, 0, 0);
  };
  insertTabs(id::kModeTabs, text::kModeTabs);
  insertTabs(id::kPhaseTabs, text::kPhaseTabs);

  // A library error text may be longer than its result field: the field's tooltip shows it
  // whole.  An argument field's tooltip says which number a text not read whole gave.
  // Tools start with no text, which shows no tip.
  tips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
  std::vector<int> tipped(std::begin(kArgumentEdits), std::end(kArgumentEdits));
  for (const RowInfo& row : rows()) tipped.push_back(row.valueId);
  for (int id : tipped) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(item(id));
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  markBrush_ = CreateSolidBrush(kMarkColour);

  // The model reads the language and the settings, sets up mode 0 and computes; the window
  // then shows it all: labels, unit lists with their remembered units, arguments, results.
  model_.emplace(std::move(store_));
  refresh();
}

// Brings every control in line with the model: texts, unit lists, tabs, visibility, the
// range-check tick.  A control is touched only where it differs.
void Window::refresh() {
  const Calculator& model = *model_;
  updating_ = true;
  setText(id::kGroupBox, model.label(id::kGroupBox));
  for (int id : kArgumentLabels) setText(id, model.label(id));
  for (int id : kArgumentEdits) setText(id, model.text(id));
  for (int id : kArgumentEdits) markReading(id);
  for (int id : kArgumentUnits) syncUnitList(id);
  for (const RowInfo& row : rows()) {
    setText(row.labelId, model.label(row.row));
    setText(row.valueId, model.result(row.row));
    setTip(row.valueId, model.failed(row.row) ? wide(model.result(row.row)) : std::wstring());
    if (row.unitId != 0) syncUnitList(row.unitId);
  }
  syncTab(id::kModeTabs);
  syncTab(id::kPhaseTabs);
  for (int id : kFixedControls) show(id, model.visible(id));
  for (const RowInfo& row : rows()) {
    const bool visible = model.visible(row.row);
    for (int id : {row.labelId, row.valueId, row.unitId}) {
      if (id != 0) show(id, visible);
    }
  }
  CheckMenuItem(GetMenu(hwnd_), IDM_RANGE_CHECK, MF_BYCOMMAND | (model.rangeCheck() ? MF_CHECKED : MF_UNCHECKED));
  updating_ = false;
}

// Compared as Windows-1251 text: what the user typed stays untouched (caret and all) as long
// as the model holds the same text.
void Window::setText(int id, const std::string& text) {
  HWND control = item(id);
  if (narrow(windowText(control)) != text) SetWindowTextW(control, wide(text).c_str());
}

void Window::setTip(int id, const std::wstring& text) {
  std::wstring& shown = tipOf_[id];
  if (shown == text) return;
  shown = text;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(item(id));
  tool.lpszText = shown.data();
  SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// An argument whose text was not read whole: the model's note as the tooltip, and the field
// repainted in the marking colour (editColours) when its state changes.
void Window::markReading(int id) {
  const std::string note = model_->readingNote(id);
  setTip(id, wide(note));
  bool& marked = marked_[id];
  if (marked == !note.empty()) return;
  marked = !note.empty();
  InvalidateRect(item(id), nullptr, TRUE);
}

// The colours of an edit field about to paint: a marked argument field draws dark text on
// the marking colour; every other field keeps the system's colours.
INT_PTR Window::editColours(HDC dc, HWND control) {
  const auto found = marked_.find(GetDlgCtrlID(control));
  if (found == marked_.end() || !found->second || markBrush_ == nullptr) return FALSE;
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, kMarkColour);
  return reinterpret_cast<INT_PTR>(markBrush_);
}

void Window::show(int id, bool visible) {
  HWND control = item(id);
  const bool shown = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

// Refills a unit list when the model offers other names (another quantity or language), and
// selects the model's unit.  The open list is made wide enough for the longest name.
void Window::syncUnitList(int id) {
  HWND list = item(id);
  std::vector<std::string> names = model_->unitList(id);
  std::vector<std::string>& shown = lists_[id];
  if (names != shown) {
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& name : names) {
      const std::wstring text = wide(name);
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      widest = std::max(widest, size.cx);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
    RECT frame{};
    GetWindowRect(list, &frame);
    const LONG margins = 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL) + 8;
    SendMessageW(list, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(std::max(frame.right - frame.left, widest + margins)),
                 0);
    shown = std::move(names);
  }
  const int selected = model_->selectedUnit(id);
  if (SendMessageW(list, CB_GETCURSEL, 0, 0) != selected)
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void Window::syncTab(int id) {
  const int selected = model_->selectedTab(id);
  if (SendMessageW(item(id), TCM_GETCURSEL, 0, 0) != selected) {
    SendMessageW(item(id), TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
  }
}

INT_PTR Window::message(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
      return notify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLOREDIT:
      return editColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == IDM_SYSTEM_ABOUT) {
        about();
        return TRUE;
      }
      return FALSE;  // the system's own commands, close among them, take their usual way
    case WM_CLOSE:   // close box, system menu, Alt+F4
      close();
      return TRUE;
    case WM_ENDSESSION:  // the session ends without closing the window: keep the settings
      if (wParam) save();
      return TRUE;
    default:
      return FALSE;
  }
}

bool Window::command(int id, int code, HWND control) {
  if (control == nullptr) {  // menu items; Enter and Escape arrive as IDOK and IDCANCEL
    switch (id) {
      case IDM_EXIT:
        close();
        return true;
      case IDM_RANGE_CHECK:
        toggleRangeCheck();
        return true;
      case IDM_DIGITS:
        digitCount();
        return true;
      case IDM_ABOUT:
        about();
        return true;
      case IDOK:
      case IDCANCEL:
        return true;  // the window stays open on either key
      default:
        return false;
    }
  }
  if (code == EN_CHANGE && !updating_ && (id == id::kArgument1Edit || id == id::kArgument2Edit)) {
    model_->editChanged(id, narrow(windowText(control)));
    refresh();
    return true;
  }
  if (code == CBN_SELCHANGE) {
    model_->unitSelected(id, static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    refresh();
    return true;
  }
  return false;
}

bool Window::notify(const NMHDR& header) {
  const int id = static_cast<int>(header.idFrom);
  switch (header.code) {
    case TCN_SELCHANGING:  // the model remembers the inputs of the mode it leaves itself
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, FALSE);
      return true;
    case TCN_SELCHANGE:
      model_->tabSelected(id, static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
      refresh();
      return true;
    case UDN_DELTAPOS:
      model_->upDown(id, reinterpret_cast<const NMUPDOWN&>(header).iDelta);
      refresh();
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);  // the control's position stays put
      return true;
    default:
      return false;
  }
}

void Window::toggleRangeCheck() {
  MessageBeep(MB_ICONINFORMATION);
  model_->toggleRangeCheck();
  refresh();
}

struct DigitDialog {
  std::wstring text;
};

INT_PTR CALLBACK digitProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    SetDlgItemTextW(dialog, IDC_DIGIT_COUNT, reinterpret_cast<DigitDialog*>(lParam)->text.c_str());
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    auto* state = reinterpret_cast<DigitDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (LOWORD(wParam) == IDOK) state->text = windowText(GetDlgItem(dialog, IDC_DIGIT_COUNT));
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

void Window::digitCount() {
  DigitDialog state{wide(model_->digitDialogText())};
  const INT_PTR answer =
      DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_DIGITS), hwnd_, digitProc, reinterpret_cast<LPARAM>(&state));
  if (answer == IDOK) {
    model_->digitDialogOk(narrow(state.text));
  } else {
    model_->digitDialogCancel();
  }
  refresh();
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, (wide(kVersionWord) + L"" VLM_VERSION).c_str());
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

void Window::about() { DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_ABOUT), hwnd_, aboutProc, 0); }

// Once per run, whichever way the window goes.
void Window::save() {
  if (saved_) return;
  saved_ = true;
  model_->close();
}

// A modeless window is destroyed here, and this object with it: nothing may follow.
void Window::close() {
  save();
  if (modal_) {
    EndDialog(hwnd_, IDOK);
  } else {
    DestroyWindow(hwnd_);
  }
}

INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // No exception may cross the system's message dispatch: one that reaches here ends a
  // start-up that failed, and otherwise leaves the message unhandled.
  try {
    if (message == WM_INITDIALOG) {
      auto* window = new Window(hwnd, *reinterpret_cast<CreateParams*>(lParam));
      SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(window));
      window->initialise();
      return TRUE;
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (window == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, DWLP_USER, 0);
      delete window;
      return FALSE;
    }
    return window->ready() ? window->message(message, wParam, lParam) : FALSE;
  } catch (...) {
    if (message == WM_INITDIALOG) EndDialog(hwnd, -1);
    return FALSE;
  }
}

}  // namespace

void runModal(HINSTANCE instance, SettingsStore store) {
  CreateParams params{instance, std::move(store), true};
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CALCULATOR), nullptr, dialogProc, reinterpret_cast<LPARAM>(&params));
}

HWND createModeless(HINSTANCE instance, SettingsStore store) {
  CreateParams params{instance, std::move(store), false};
  HWND window = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_CALCULATOR), nullptr, dialogProc,
                                   reinterpret_cast<LPARAM>(&params));
  if (window != nullptr) ShowWindow(window, SW_SHOW);
  return window;
}

}  // namespace vlm::calc::win32
