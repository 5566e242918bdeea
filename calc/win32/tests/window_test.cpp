// The calculator window driven in process by control identifier, as a user would: texts
// typed into the argument fields, unit lists picked, tabs and up-downs clicked, menu commands
// sent, dialogs answered.  Settings go to a key of the tests' own in the registry.
#include "window.hpp"

// clang-format off
#include <windows.h>  // first: the other system headers build on it
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "png.hpp"
#include "resource.h"
#include "vlm/calc/calculator.hpp"
#include "vlm/codepage.hpp"
#include "vlm/store.hpp"
#include "vlmcore5.h"

namespace {

using namespace vlm::calc;

constexpr const char* kTestProductKey = "SOFTWARE\\Brindlow\\Velmora Window Test";

std::wstring wide(std::string_view cp1251) {
  const std::u16string text = vlm::codepage::cp1251ToUtf16(cp1251);
  return {text.begin(), text.end()};
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// What a row shows for a library result in the row's first (SI) unit.
std::wstring shown(double value, int digits = 5) { return wide(formatNumber(value, digits)); }
// What a row shows after the library failed: the description of the error just set.
std::wstring failure() { return wide(vlmGETLASTERRORDESCRIPTION()); }

std::string storedValue(const char* name) {
  vlm::store::Key key;
  if (!key.open(SettingsStore(kTestProductKey).calculatorKey(), vlm::store::Access::Query)) return "<no key>";
  char buffer[1024] = {};
  return key.read(name, buffer, 1023) ? buffer : "<missing>";
}

void pump(HWND dialog) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageW(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Writes what the screen shows of a window, frame and all, as a PNG file.
void writeScreenshot(HWND window, const std::string& path) {
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 10; ++i) {
    pump(window);
    Sleep(30);
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  GdiFlush();
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(width) * height * 3);
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  for (int i = 0; i < width * height; ++i) rgb.insert(rgb.end(), {pixels[4 * i + 2], pixels[4 * i + 1], pixels[4 * i]});
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(vlm::test::writePng(path, width, height, rgb)) << path;
}

// Answers the next modal dialog of this thread whose template holds control `marker`: a
// timer looks for it while the dialog's own message loop runs.
std::function<void(HWND)> answer;
int answerMarker = 0;

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
  if (GetDlgItem(window, answerMarker) != nullptr && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK answerTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
  if (dialog == nullptr) return;
  KillTimer(nullptr, timer);
  answer(dialog);
}

void answerNextDialog(int marker, std::function<void(HWND)> action) {
  answerMarker = marker;
  answer = std::move(action);
  SetTimer(nullptr, 0, 20, answerTimer);
}

struct TipSearch {
  HWND owner, found;
};

BOOL CALLBACK findTips(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TipSearch*>(data);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (GetWindow(window, GW_OWNER) != search->owner || std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
  search->found = window;
  return FALSE;
}

class CalculatorWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
  }

  void SetUp() override {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestProductKey);
    vlmSETCHECKRANGEMODE(1);  // a new process's state, as every run of the program starts
  }

  void TearDown() override {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestProductKey);
    vlmSETCHECKRANGEMODE(1);
  }

  void open() {
    window_ = vlm::calc::win32::createModeless(GetModuleHandleW(nullptr), SettingsStore(kTestProductKey));
    ASSERT_NE(window_, nullptr);
    pump(window_);
  }

  HWND item(int id) const { return GetDlgItem(window_, id); }
  std::wstring text(int id) const { return windowText(item(id)); }
  bool visible(int id) const { return IsWindowVisible(item(id)) != FALSE; }

  // Typing: the edit control reports the change to the window itself.
  void type(int id, std::string_view cp1251) {
    SendMessageW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(cp1251).c_str()));
  }

  void pickUnit(int id, std::string_view name) {
    const LRESULT index = SendMessageW(item(id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(wide(name).c_str()));
    ASSERT_GE(index, 0) << name;
    SendMessageW(item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item(id)));
  }

  std::wstring selectedUnit(int id) const {
    const LRESULT index = SendMessageW(item(id), CB_GETCURSEL, 0, 0);
    wchar_t name[64] = {};
    if (index >= 0) SendMessageW(item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
    return name;
  }

  void click(HWND control, int x, int y) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    pump(window_);
  }

  void clickTab(int id, int index) {
    RECT tab{};
    ASSERT_TRUE(SendMessageW(item(id), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab)));
    click(item(id), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    ASSERT_EQ(SendMessageW(item(id), TCM_GETCURSEL, 0, 0), index);
  }

  void clickUpDown(int id, bool up) {
    RECT area{};
    GetClientRect(item(id), &area);
    click(item(id), area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
  }

  void menu(int command) { SendMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

  void saveScreenshot(const std::string& path) { writeScreenshot(window_, path); }

  // The tooltip text of control `id`: the window's tooltip control is the one it owns.
  std::wstring tip(int id) const {
    TipSearch search{window_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findTips, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return L"<no tooltips>";
    wchar_t buffer[512] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(item(id));
    tool.lpszText = buffer;
    SendMessageW(search.found, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
  }

  // The width in pixels of `text` in control `id`'s font.
  LONG textWidth(int id, const std::wstring& text) const {
    HDC dc = GetDC(item(id));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item(id), WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(item(id), dc);
    return size.cx;
  }

  HWND window_ = nullptr;
};

TEST_F(CalculatorWindowTest, ResourcesHoldTheWindowsTexts) {
  open();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const StringEntry& entry : stringTable()) {
    wchar_t loaded[256] = {};
    LoadStringW(instance, static_cast<UINT>(entry.id), loaded, 256);
    EXPECT_EQ(loaded, wide(entry.text)) << "string " << entry.id;
  }
  EXPECT_EQ(text(id::kGroupBox), wide(text::kGroupBox));
  EXPECT_EQ(windowText(window_), wide(text::kCaption));

  const auto menuText = [](HMENU menu, UINT item, UINT by) {
    wchar_t buffer[128] = {};
    GetMenuStringW(menu, item, buffer, 128, by);
    return std::wstring(buffer);
  };
  HMENU bar = GetMenu(window_);
  EXPECT_EQ(menuText(bar, 0, MF_BYPOSITION), wide(text::kFileMenu));
  EXPECT_EQ(menuText(bar, 1, MF_BYPOSITION), wide(text::kSettingsMenu));
  EXPECT_EQ(menuText(bar, 2, MF_BYPOSITION), wide(text::kHelpMenu));
  EXPECT_EQ(menuText(bar, IDM_EXIT, MF_BYCOMMAND), wide(text::kExitItem));
  EXPECT_EQ(menuText(bar, IDM_RANGE_CHECK, MF_BYCOMMAND), wide(text::kRangeCheckItem));
  EXPECT_EQ(menuText(bar, IDM_DIGITS, MF_BYCOMMAND), wide(text::kDigitCountItem));
  EXPECT_EQ(menuText(bar, IDM_ABOUT, MF_BYCOMMAND), wide(text::kAboutItem));
  EXPECT_EQ(menuText(GetSystemMenu(window_, FALSE), id::kAboutCommand, MF_BYCOMMAND), wide(stringText(101)));

  for (int id : {id::kModeTabs, id::kPhaseTabs}) {
    const auto expected = id == id::kModeTabs
                              ? std::vector<const char*>(text::kModeTabs.begin(), text::kModeTabs.end())
                              : std::vector<const char*>(text::kPhaseTabs.begin(), text::kPhaseTabs.end());
    ASSERT_EQ(SendMessageW(item(id), TCM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
      wchar_t buffer[32] = {};
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = buffer;
      tab.cchTextMax = 32;
      SendMessageW(item(id), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&tab));
      EXPECT_EQ(buffer, wide(expected[i]));
    }
  }
}

// Positions in dialog units, as the template must place them.
TEST_F(CalculatorWindowTest, ControlsStandWhereTheLayoutPutsThemWithTheirStyles) {
  open();
  // Dialog units.  A size of 0 is the control's own: the closed height of a drop-down
  // list, the width an up-down gives itself.
  struct Place {
    int id, x, y, width, height;
  };
  std::vector<Place> places = {
      {id::kGroupBox, 1, 1, 504, 44},         {id::kModeTabs, 161, 10, 184, 14},
      {id::kArgument1Label, 16, 28, 75, 12},  {id::kArgument1Edit, 92, 28, 36, 12},
      {id::kArgument1UpDown, 128, 28, 0, 12}, {id::kArgument1Unit, 140, 28, 60, 0},
      {id::kPhaseTabs, 298, 28, 76, 12},      {id::kArgument2Label, 302, 28, 77, 12},
      {id::kArgument2Edit, 380, 28, 36, 12},  {id::kArgument2UpDown, 416, 28, 0, 12},
      {id::kArgument2Unit, 428, 28, 60, 0},
  };
  int index = 0;
  for (const RowInfo& row : rows()) {  // left column top down, then the right one
    const bool left = index < 7;
    const int y = 51 + 18 * (index++ % 7);
    places.push_back({row.labelId, left ? 2 : 252, y, left ? 90 : 96, 12});
    places.push_back({row.valueId, left ? 93 : 349, y, 92, 12});
    if (row.unitId != 0) places.push_back({row.unitId, left ? 188 : 444, y, 60, 0});  // height: the closed list's
  }
  for (const Place& place : places) {
    SCOPED_TRACE(place.id);
    ASSERT_NE(item(place.id), nullptr);
    // The dialog manager converts origin and size each on its own.
    RECT expected{place.x, place.y, place.width, place.height};
    MapDialogRect(window_, &expected);
    RECT actual{};
    GetWindowRect(item(place.id), &actual);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    if (place.width != 0) {
      EXPECT_EQ(actual.right - actual.left, expected.right);
    }
    if (place.height != 0) {
      EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
    }
  }

  const auto style = [&](int id) { return static_cast<DWORD>(GetWindowLongW(item(id), GWL_STYLE)); };
  for (const RowInfo& row : rows()) {
    EXPECT_EQ(style(row.labelId) & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
    EXPECT_EQ(style(row.valueId) & (ES_READONLY | ES_RIGHT), static_cast<DWORD>(ES_READONLY | ES_RIGHT));
    if (row.unitId != 0) {
      EXPECT_EQ(style(row.unitId) & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
    }
  }
  for (int id : {id::kArgument1Edit, id::kArgument2Edit}) {
    EXPECT_EQ(style(id) & (ES_READONLY | ES_RIGHT), static_cast<DWORD>(ES_RIGHT));
  }
  for (int id : {id::kArgument1UpDown, id::kArgument2UpDown}) {
    EXPECT_TRUE(style(id) & UDS_ARROWKEYS);
    EXPECT_EQ(SendMessageW(item(id), UDM_GETBUDDY, 0, 0), 0);
    int low = -1, high = -1;
    SendMessageW(item(id), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 100);
  }
  const auto window = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
  EXPECT_TRUE(window & WS_MINIMIZEBOX);
  EXPECT_FALSE(window & WS_MAXIMIZEBOX);
}

TEST_F(CalculatorWindowTest, FirstRunOpensInPressureAndTemperatureModeAndWritesNothing) {
  open();
  EXPECT_EQ(SendMessageW(item(id::kModeTabs), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(text(id::kArgument1Edit), L"100000.");
  EXPECT_EQ(text(id::kArgument2Edit), L"373.15");
  EXPECT_EQ(selectedUnit(id::kArgument1Unit), wide(unitNames(Quantity::Pressure, Language::English)[0]));
  EXPECT_EQ(selectedUnit(id::kArgument2Unit), wide(unitNames(Quantity::Temperature, Language::English)[0]));
  EXPECT_EQ(text(id::kArgument1Label), wide(stringText(107)));
  EXPECT_EQ(text(id::kArgument2Label), wide(stringText(108)));
  for (const RowInfo& row : rows()) {
    const bool hidden = row.row == Row::R || row.row == Row::Ps || row.row == Row::ST;
    EXPECT_EQ(visible(row.valueId), !hidden) << row.key;
    if (row.row != Row::Ps) {
      EXPECT_EQ(text(row.labelId), wide(stringText(row.stringId))) << row.key;
    }
    if (row.unitId != 0 && !hidden) {
      EXPECT_EQ(SendMessageW(item(row.unitId), CB_GETCURSEL, 0, 0), 0) << row.key;
    }
  }
  EXPECT_FALSE(visible(id::kPhaseTabs));
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(100000, 373.15)));
  EXPECT_EQ(text(IDC_PRANDTL_VALUE), shown(vlmPRANDTLEPT(100000, 373.15)));
  EXPECT_EQ(GetMenuState(GetMenu(window_), IDM_RANGE_CHECK, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(storedValue("PressureValue"), "<no key>");
}

TEST_F(CalculatorWindowTest, EveryModeShowsItsRowsAndValues) {
  open();
  const double p = 100000, t = 373.15, ts = vlmTSP(p);
  struct Expected {
    std::wstring v, ps;
    int psLabel;
  };
  const Expected expected[kModeCount] = {
      {shown(vlmVPT(p, t)), L"", 0},
      {shown(vlmVSWT(ts)), shown(ts), 122},
      {shown(vlmVSWT(t)), shown(vlmPST(t)), 121},
      {shown(vlmVSTX(ts, 1)), shown(ts), 122},
      {shown(vlmVSTX(t, 1)), shown(vlmPST(t)), 121},
  };
  for (int mode = 0; mode < kModeCount; ++mode) {
    SCOPED_TRACE(mode);
    if (mode != 0) clickTab(id::kModeTabs, mode);
    const bool saturation = mode == 1 || mode == 2, wet = mode == 3 || mode == 4;
    EXPECT_EQ(visible(id::kArgument2Edit), !saturation);
    EXPECT_EQ(visible(id::kArgument2UpDown), !saturation);
    EXPECT_EQ(visible(id::kPhaseTabs), saturation);
    EXPECT_EQ(visible(IDC_ST_VALUE), saturation);
    EXPECT_EQ(visible(IDC_CP_UNIT), !wet);
    EXPECT_EQ(visible(IDC_PS_VALUE), mode != 0);
    EXPECT_EQ(visible(IDC_R_LABEL), mode != 0);
    EXPECT_EQ(text(id::kArgument1Label), wide(stringText(mode == 2 || mode == 4 ? 108 : 107)));
    if (wet) {
      EXPECT_EQ(text(id::kArgument2Edit), L"1.");
    }
    EXPECT_EQ(text(IDC_V_VALUE), expected[mode].v);
    if (mode != 0) {
      EXPECT_EQ(text(IDC_PS_VALUE), expected[mode].ps);
      EXPECT_EQ(text(IDC_PS_LABEL), wide(stringText(expected[mode].psLabel)));
    }
    saveScreenshot("calculator-mode" + std::to_string(mode) + ".png");
  }

  clickTab(id::kModeTabs, 2);
  clickTab(id::kPhaseTabs, 1);
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVSST(t)));
  EXPECT_EQ(text(IDC_ST_VALUE), shown(vlmSURFTENT(t)));
  clickTab(id::kPhaseTabs, 0);
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVSWT(t)));
}

TEST_F(CalculatorWindowTest, TypingPickingUnitsAndSteppingRecalculate) {
  open();
  type(id::kArgument1Edit, "20");
  pickUnit(id::kArgument1Unit, "MPa");
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(20e6, 373.15)));
  pickUnit(id::kArgument1Unit, "kPa");  // the same digits, a thousand times less pressure
  EXPECT_EQ(text(id::kArgument1Edit), L"20");
  EXPECT_EQ(text(IDC_H_VALUE), shown(vlmHPT(20e3, 373.15)));
  pickUnit(IDC_H_UNIT, "kJ/kg");
  EXPECT_EQ(text(IDC_H_VALUE), shown(vlmHPT(20e3, 373.15) * (1 / 1000.0)));
  type(id::kArgument1Edit, "1e");  // half typed: reads as 1
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(1e3, 373.15)));

  pickUnit(id::kArgument1Unit, "Pa");
  type(id::kArgument1Edit, "100000.");
  clickUpDown(id::kArgument1UpDown, true);
  EXPECT_EQ(text(id::kArgument1Edit), L"100001.");
  pickUnit(id::kArgument2Unit,
           "\xb0"
           "C");
  clickUpDown(id::kArgument2UpDown, true);
  EXPECT_EQ(text(id::kArgument2Edit), L"374.15");
  clickUpDown(id::kArgument2UpDown, false);
  clickUpDown(id::kArgument2UpDown, false);
  EXPECT_EQ(text(id::kArgument2Edit), L"372.15");
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(100001, 372.15 + 273.15)));
}

TEST_F(CalculatorWindowTest, FailedCallsShowTheLibrarysTextInTheirRows) {
  open();
  clickTab(id::kModeTabs, 2);
  type(id::kArgument1Edit, "200");  // K, below the saturation line's range
  vlmPST(200);
  const std::wstring outOfRange = failure();
  ASSERT_FALSE(outOfRange.empty());
  EXPECT_EQ(text(IDC_PS_VALUE), outOfRange);
  EXPECT_EQ(text(IDC_V_VALUE), outOfRange);
  EXPECT_EQ(text(IDC_ST_VALUE), outOfRange);

  clickTab(id::kModeTabs, 3);
  type(id::kArgument2Edit, "1.5");  // dryness beyond 1
  const double ts = vlmTSP(100000);
  vlmVSTX(ts, 1.5);
  const std::wstring badDryness = failure();
  for (int id : {IDC_V_VALUE, IDC_H_VALUE, IDC_S_VALUE, IDC_U_VALUE}) EXPECT_EQ(text(id), badDryness) << id;
  EXPECT_EQ(text(IDC_PS_VALUE), shown(ts));
  EXPECT_EQ(text(IDC_R_VALUE), shown(vlmRST(ts)));
  // A failed row's field has the whole text as its tooltip; a number has none.
  EXPECT_EQ(tip(IDC_V_VALUE), badDryness);
  EXPECT_EQ(tip(IDC_PS_VALUE), L"");
  type(id::kArgument2Edit, "0.5");
  EXPECT_EQ(tip(IDC_V_VALUE), L"");
}

// A text not read whole computes with the number at its start; the field says which with
// the model's note as its tooltip and paints in the marking colour until the text is whole.
TEST_F(CalculatorWindowTest, ArgumentsNotReadWholeAreMarked) {
  open();
  const auto marked = [&](int id) {
    HDC dc = GetDC(item(id));
    const LRESULT brush =
        SendMessageW(window_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(item(id)));
    const COLORREF background = GetBkColor(dc);
    ReleaseDC(item(id), dc);
    return brush != 0 &&
           background == RGB(kPartlyReadColour >> 16, (kPartlyReadColour >> 8) & 0xFF, kPartlyReadColour & 0xFF);
  };
  type(id::kArgument2Edit, "373,5");
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(100000, 373)));
  EXPECT_EQ(tip(id::kArgument2Edit), L"Read as 373: \",5\" is ignored. The decimal separator is a point.");
  EXPECT_TRUE(marked(id::kArgument2Edit));
  EXPECT_FALSE(marked(id::kArgument1Edit));
  EXPECT_EQ(tip(id::kArgument1Edit), L"");
  saveScreenshot("calculator-marked.png");
  type(id::kArgument2Edit, "373.5");
  EXPECT_EQ(tip(id::kArgument2Edit), L"");
  EXPECT_FALSE(marked(id::kArgument2Edit));
}

TEST_F(CalculatorWindowTest, RangeCheckItemTogglesTheLibraryAndItsTick) {
  open();
  const auto ticked = [&] { return (GetMenuState(GetMenu(window_), IDM_RANGE_CHECK, MF_BYCOMMAND) & MF_CHECKED) != 0; };
  type(id::kArgument1Edit, "200000000");  // 200 MPa: above the library's range
  vlmVPT(2e8, 373.15);
  const std::wstring outOfRange = failure();
  EXPECT_EQ(text(IDC_V_VALUE), outOfRange);

  menu(IDM_RANGE_CHECK);
  EXPECT_FALSE(ticked());
  EXPECT_EQ(vlmGETCHECKRANGEMODE(), 0);
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(2e8, 373.15)));

  menu(IDM_RANGE_CHECK);
  EXPECT_TRUE(ticked());
  EXPECT_EQ(vlmGETCHECKRANGEMODE(), 1);
  EXPECT_EQ(text(IDC_V_VALUE), outOfRange);
}

TEST_F(CalculatorWindowTest, DigitCountDialogSetsTheDigitsWithinOneToFifteen) {
  open();
  const double v = vlmVPT(100000, 373.15);
  const auto enter = [&](const wchar_t* typed, int button, std::wstring* opened = nullptr) {
    answerNextDialog(IDC_DIGIT_COUNT, [=](HWND dialog) {
      if (opened != nullptr) *opened = windowText(GetDlgItem(dialog, IDC_DIGIT_COUNT));
      if (std::wstring(typed) == L"20") writeScreenshot(dialog, "calculator-digits.png");
      EXPECT_EQ(windowText(dialog), wide(text::kDigitDialogTitle));
      EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_DIGIT_COUNT), GWL_STYLE) & ES_NUMBER);
      SetDlgItemTextW(dialog, IDC_DIGIT_COUNT, typed);
      SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    });
    menu(IDM_DIGITS);
  };
  std::wstring opened;
  enter(L"20", IDOK, &opened);
  EXPECT_EQ(opened, L"5");
  EXPECT_EQ(text(IDC_V_VALUE), shown(v, 15));
  enter(L"0", IDOK, &opened);
  EXPECT_EQ(opened, L"15");
  EXPECT_EQ(text(IDC_V_VALUE), shown(v, 1));
  enter(L"7", IDCANCEL);
  EXPECT_EQ(text(IDC_V_VALUE), shown(v, 1));
  enter(L"", IDOK);
  EXPECT_EQ(text(IDC_V_VALUE), shown(v, 1));
  enter(L"7", IDOK);
  EXPECT_EQ(text(IDC_V_VALUE), shown(v, 7));
}

TEST_F(CalculatorWindowTest, AboutBoxOpensFromTheSystemMenuAndTheHelpMenu) {
  open();
  for (bool system : {true, false}) {
    std::wstring version;
    answerNextDialog(IDC_ABOUT_VERSION, [&](HWND dialog) {
      version = windowText(GetDlgItem(dialog, IDC_ABOUT_VERSION));
      if (system) writeScreenshot(dialog, "calculator-about.png");
      SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    if (system) {
      SendMessageW(window_, WM_SYSCOMMAND, id::kAboutCommand, 0);
    } else {
      menu(IDM_ABOUT);
    }
    EXPECT_NE(version.find(L"" VLM_VERSION), std::wstring::npos) << system;
  }
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(CalculatorWindowTest, EnterAndEscapeLeaveTheWindowOpen) {
  open();
  SetFocus(item(id::kArgument1Edit));
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    MSG message{item(id::kArgument1Edit), WM_KEYDOWN, key, 0, 0, {}};
    IsDialogMessageW(window_, &message);
    pump(window_);
  }
  menu(IDOK);
  menu(IDCANCEL);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_EQ(storedValue("PressureValue"), "<no key>");
}

TEST_F(CalculatorWindowTest, EveryWayOfClosingSavesTheSettings) {
  const std::function<void(HWND)> ways[] = {
      [](HWND window) { SendMessageW(window, WM_CLOSE, 0, 0); },
      [](HWND window) { SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); },
      [](HWND window) { SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0); },
  };
  int way = 0;
  for (const auto& close : ways) {
    SCOPED_TRACE(way);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestProductKey);
    open();
    const std::string typed = "1234" + std::to_string(way++);
    type(id::kArgument1Edit, typed);
    close(window_);
    pump(nullptr);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(storedValue("PressureValue"), typed);
    EXPECT_EQ(storedValue("Accuracy"), "5");
  }
}

TEST_F(CalculatorWindowTest, SettingsSurviveARestart) {
  open();
  type(id::kArgument1Edit, "250");
  pickUnit(id::kArgument1Unit, "kPa");
  pickUnit(IDC_V_UNIT, "cm3/g");
  answerNextDialog(IDC_DIGIT_COUNT, [](HWND dialog) {
    SetDlgItemTextW(dialog, IDC_DIGIT_COUNT, L"7");
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  });
  menu(IDM_DIGITS);
  clickTab(id::kModeTabs, 4);  // temperature and dryness
  type(id::kArgument1Edit, "150");
  pickUnit(id::kArgument1Unit,
           "\xb0"
           "C");
  type(id::kArgument2Edit, "50");
  pickUnit(id::kArgument2Unit, "%");
  pickUnit(IDC_PS_UNIT, "kPa");
  SendMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_FALSE(IsWindow(window_));

  EXPECT_EQ(storedValue("PressureValue"), "250");
  EXPECT_EQ(storedValue("PressureUnit"), "kPa");
  EXPECT_EQ(storedValue("TemperatureValue"), "150");
  EXPECT_EQ(storedValue("TemperatureUnit"),
            "\xb0"
            "C");
  EXPECT_EQ(storedValue("DODValue"), "50");
  EXPECT_EQ(storedValue("DODUnit"), "%");
  EXPECT_EQ(storedValue("VolumeUnit"), "cm3/g");
  EXPECT_EQ(storedValue("SatPUnit"), "kPa");
  EXPECT_EQ(storedValue("Accuracy"), "7");

  open();
  EXPECT_EQ(text(id::kArgument1Edit), L"250");
  EXPECT_EQ(selectedUnit(id::kArgument1Unit), L"kPa");
  EXPECT_EQ(text(id::kArgument2Edit), L"150");
  EXPECT_EQ(selectedUnit(id::kArgument2Unit), wide("\xb0"
                                                   "C"));
  EXPECT_EQ(selectedUnit(IDC_V_UNIT), L"cm3/g");
  EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(250e3, 150 + 273.15) * (1 / 0.001), 7));
  clickTab(id::kModeTabs, 4);
  EXPECT_EQ(text(id::kArgument2Edit), L"50");
  EXPECT_EQ(selectedUnit(id::kArgument2Unit), L"%");
  EXPECT_EQ(selectedUnit(IDC_PS_UNIT), L"kPa");
}

// At 15 digits a result field shows its whole text, exponent included, even the longest the
// number format makes; a closed unit list shows every name whole, in both languages.
TEST_F(CalculatorWindowTest, ResultsAndUnitNamesShowWhole) {
  const std::wstring longest = wide(formatNumber(-8.888888888888888e-300, 15));
  ASSERT_EQ(longest.size(), 22u);
  for (const char* language : {"English", "Russian"}) {
    {
      vlm::store::Key key;
      ASSERT_TRUE(key.create(kTestProductKey));
      ASSERT_TRUE(key.write("Language", language));
    }
    open();
    answerNextDialog(IDC_DIGIT_COUNT, [](HWND dialog) {
      SetDlgItemTextW(dialog, IDC_DIGIT_COUNT, L"15");
      SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    menu(IDM_DIGITS);
    type(id::kArgument1Edit, "2e7");
    type(id::kArgument2Edit, "573.15");
    EXPECT_EQ(text(IDC_V_VALUE), shown(vlmVPT(2e7, 573.15), 15));
    for (const RowInfo& row : rows()) {
      SCOPED_TRACE(row.key);
      RECT room{};
      SendMessageW(item(row.valueId), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
      EXPECT_LE(textWidth(row.valueId, text(row.valueId)), room.right - room.left) << text(row.valueId);
      EXPECT_LE(textWidth(row.valueId, longest), room.right - room.left);
      if (row.unitId == 0) continue;
      COMBOBOXINFO list{};
      list.cbSize = sizeof list;
      ASSERT_TRUE(GetComboBoxInfo(item(row.unitId), &list));
      const LRESULT count = SendMessageW(item(row.unitId), CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        wchar_t name[64] = {};
        SendMessageW(item(row.unitId), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
        EXPECT_LE(textWidth(row.unitId, name), list.rcItem.right - list.rcItem.left) << name;
      }
    }
    DestroyWindow(window_);
  }
}

TEST_F(CalculatorWindowTest, RussianUnitNamesShowAsUnicode) {
  {
    vlm::store::Key key;
    ASSERT_TRUE(key.create(kTestProductKey));
    ASSERT_TRUE(key.write("Language", "russian"));
  }
  open();
  const std::wstring pa = wide(unitNames(Quantity::Pressure, Language::Russian)[0]);
  EXPECT_EQ(pa, L"\x041f\x0430");  // Па
  EXPECT_EQ(selectedUnit(id::kArgument1Unit), pa);
  EXPECT_EQ(SendMessageW(item(IDC_V_UNIT), CB_GETCOUNT, 0, 0),
            static_cast<LRESULT>(unitNames(Quantity::Volume, Language::Russian).size()));
  saveScreenshot("calculator-russian.png");
}

}  // namespace
