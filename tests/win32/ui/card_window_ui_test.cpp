// The card window as it opens: its controls, title bar icon, keyboard order,
// menu, About box, payout window, topmost state and tray behaviour.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"
#include "win32/platform/module_handle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace slots::ui_test {
namespace {

using namespace slots::win32;

int Pixels(int twips) { return MulDiv(twips, ScreenDpi(), 1440); }

RECT PlaceInClient(HWND window, HWND control) {
  RECT rect = ScreenRect(control);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

RECT TwipsRect(int left, int top, int width, int height) {
  return RECT{Pixels(left), Pixels(top), Pixels(left + width),
              Pixels(top + height)};
}

struct ExpectedControl {
  int id;
  const wchar_t *caption;
  RECT twips; // left, top, width, height
  bool enabled;
};

TEST(CardWindowUi, OpensWithEveryControlAtItsPlace) {
  CardFolder folder("layout");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);

  const RECT client = ClientScreenRect(card.Window());
  EXPECT_EQ(client.right - client.left, Pixels(3405));
  EXPECT_EQ(client.bottom - client.top, Pixels(1980));
  // No place stored yet: the layout's place.
  EXPECT_EQ(client.left, Pixels(1395));
  EXPECT_EQ(client.top, Pixels(2295));
  const LONG style = GetWindowLongW(card.Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);

  const ExpectedControl controls[] = {
      {kTxtHostname, L"", {120, 120, 1280, 285}, true},
      {kCommand3, L"Get Host", {1440, 100, 800, 300}, true},
      {kLabel1, L"Credits:", {2280, 140, 615, 255}, true},
      {kLblCredit, L"0", {2880, 140, 375, 255}, true},
      {kLblS1, L"Slots", {120, 480, 1005, 375}, true},
      {kLblS2, L"Slots", {1200, 480, 1005, 375}, true},
      {kLblS3, L"Slots", {2280, 480, 1005, 375}, true},
      {kLabel8, L"HOLD", {120, 840, 1005, 255}, true},
      {kLabel9, L"HOLD", {1200, 840, 1005, 255}, true},
      {kLabel10, L"HOLD", {2280, 840, 1005, 255}, true},
      {kCommand1, L"Start", {120, 1200, 975, 300}, true},
      {kCommand5, L"ESP Holds", {1160, 1200, 1110, 300}, false},
      {kCommand6, L"Final", {2330, 1200, 975, 300}, false},
      {kLabel2, L"Free Game", {120, 1590, 1305, 285}, true},
      {kLabel3, L"Reset", {1455, 1590, 795, 285}, false},
      {kLabel5, L"Options", {2280, 1590, 795, 255}, true},
      {kLabel4, L"P", {3135, 1590, 240, 255}, true},
      {kCommand2, L"Sound", {3600, 240, 855, 375}, true},
      {kCommand7, L"Spin", {4560, 240, 855, 375}, true},
      {kFrame2, L"", {120, 480, 3150, 650}, true},
      {kFrame1, L"", {120, 2160, 3170, 1000}, true},
      {kImgImage1, L"", {120, 2160, 1005, 735}, true},
      {kImgImage2, L"", {1200, 2160, 1005, 735}, true},
      {kImgImage3, L"", {2280, 2160, 1005, 735}, true},
  };
  for (const ExpectedControl &expected : controls) {
    SCOPED_TRACE(expected.id);
    HWND control = card.Control(expected.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(TextOf(control), expected.caption);
    EXPECT_EQ(IsEnabled(control), expected.enabled);
    EXPECT_TRUE(IsWindowVisible(control));
    const RECT place = PlaceInClient(card.Window(), control);
    const RECT wanted = TwipsRect(expected.twips.left, expected.twips.top,
                                  expected.twips.right, expected.twips.bottom);
    EXPECT_EQ(place.left, wanted.left);
    EXPECT_EQ(place.top, wanted.top);
    EXPECT_EQ(place.right, wanted.right);
    EXPECT_EQ(place.bottom, wanted.bottom);
  }

  // The outer controls exist, but the mouse cannot reach them.
  for (int id : {kCommand2, kCommand7, kFrame1}) {
    const RECT place = PlaceInClient(card.Window(), card.Control(id));
    EXPECT_TRUE(place.left >= Pixels(3405) || place.top >= Pixels(1980)) << id;
  }
  ASSERT_TRUE(card.Close());
}

TEST(CardWindowUi, TabVisitsTheEnabledButtonsAndTheHostBoxInOrder) {
  CardFolder folder("tab_order");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  // Start, Get Host and the host box are enabled; ESP Holds and Final are
  // not, so Tab passes them by.
  const std::vector<int> order = {kCommand3, kTxtHostname, kCommand1, kCommand7,
                                  kCommand2};
  std::vector<int> visited;
  HWND focus = FocusOfThread(card.Window());
  for (std::size_t press = 0; press < 2 * order.size(); ++press) {
    PressKey(focus != nullptr ? focus : card.Window(), VK_TAB);
    HWND before = focus;
    ASSERT_TRUE(WaitFor([&] {
      focus = FocusOfThread(card.Window());
      return focus != nullptr && focus != before;
    }));
    visited.push_back(GetDlgCtrlID(focus));
  }
  // Wherever the focus starts, the visits follow the order round and round.
  const auto start = std::find(order.begin(), order.end(), visited.front());
  ASSERT_NE(start, order.end());
  for (std::size_t step = 0; step < visited.size(); ++step) {
    const std::size_t index =
        (static_cast<std::size_t>(start - order.begin()) + step) % order.size();
    EXPECT_EQ(visited[step], order[index]) << "tab press " << step;
  }
  ASSERT_TRUE(card.Close());
}

// Top-down 32-bit pixels of a bitmap, alpha in the top byte.
std::vector<std::uint32_t> PixelsOf(HDC dc, HBITMAP bitmap, SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) *
                                    size.cy);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
            DIB_RGB_COLORS);
  return pixels;
}

std::vector<std::uint32_t> ScreenPixels(const RECT &area) {
  win32::WindowDc screen(nullptr);
  const SIZE size{area.right - area.left, area.bottom - area.top};
  const win32::UniqueBitmap copy(
      CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
  {
    win32::SelectedObject selected(dc.Get(), copy.Get());
    BitBlt(dc.Get(), 0, 0, size.cx, size.cy, screen.Get(), area.left, area.top,
           SRCCOPY);
  }
  return PixelsOf(dc.Get(), copy.Get(), size);
}

// Whether every opaque pixel of the icon shows, unscaled, somewhere in the
// area.
bool ShowsIconPixels(const RECT &area, const std::vector<std::uint32_t> &icon,
                     int side) {
  const std::vector<std::uint32_t> shown = ScreenPixels(area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const auto matchesAt = [&](int left, int top) {
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const std::uint32_t wanted = icon[y * side + x];
        const std::uint32_t seen = shown[(top + y) * width + left + x];
        if (wanted >> 24 == 0xFF && (wanted & 0xFFFFFF) != (seen & 0xFFFFFF)) {
          return false;
        }
      }
    }
    return true;
  };
  for (int top = 0; top + side <= height; ++top) {
    for (int left = 0; left + side <= width; ++left) {
      if (matchesAt(left, top)) {
        return true;
      }
    }
  }
  return false;
}

// The title bar shows the small icon the program carries for the screen's
// DPI, not a smaller one scaled up.
TEST(CardWindowUi, TitleBarShowsTheIconOfItsDpi) {
  CardFolder folder("title_bar_icon");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  const int side = MulDiv(16, ScreenDpi(), 96);
  const win32::ModuleHandle program(LoadLibraryExW(
      (folder.Path() / L"slotscard.exe").c_str(), nullptr,
      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  const win32::UniqueIcon icon(static_cast<HICON>(LoadImageW(
      program.get(), MAKEINTRESOURCEW(1), IMAGE_ICON, side, side, 0)));
  ICONINFO info{};
  ASSERT_TRUE(icon && GetIconInfo(icon.Get(), &info));
  const win32::UniqueBitmap colour(info.hbmColor);
  const win32::UniqueBitmap mask(info.hbmMask);
  const win32::WindowDc screen(nullptr);
  const auto pixels = PixelsOf(screen.Get(), colour.Get(), SIZE{side, side});

  const RECT outer = ScreenRect(card.Window());
  const RECT titleBar{outer.left, outer.top, outer.left + 4 * side,
                      ClientScreenRect(card.Window()).top};
  EXPECT_TRUE(ShowsIconPixels(titleBar, pixels, side));
  SaveScreenshot(RECT{outer.left, outer.top, outer.right, titleBar.bottom},
                 L"card_title_bar");
  ASSERT_TRUE(card.Close());
}

TEST(CardWindowUi, AboutBoxShowsTheSixLines) {
  CardFolder folder("about");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ChooseMenuItem(card.Window(), kMnuAbout);
  HWND box = card.WaitForWindowOfCard(kMessageBoxClass, L"Tamsk's Slots Card");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(
      MessageBoxText(box),
      L"As some know, I started this slots card as a fluke,           \r\n"
      L"I was coding it to have something to do and          \r\n"
      L"it ended up being enjoyed by many! I am proud        \r\n"
      L"to be able to contribute it to the Quillmoor community. \r\n"
      L"\r\n"
      L"~Tamsk / tamsk@quillmoor.invalid");
  EXPECT_EQ(MessageBoxButtons(box), std::vector<int>{IDOK});
  SaveScreenshot(box, L"about_box");
  AnswerMessageBox(box, IDOK);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
  ASSERT_TRUE(card.Close());
}

TEST(CardWindowUi, OptionsLabelOpensThePopupBelowIt) {
  CardFolder folder("options_menu");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickLabel(card.Control(kLabel5));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    menu = card.FindWindowOfCard(kPopupMenuClass, L"");
    return menu != nullptr;
  }));
  const RECT client = ClientScreenRect(card.Window());
  const RECT popup = ScreenRect(menu);
  EXPECT_EQ(popup.left, client.left + Pixels(2300));
  EXPECT_EQ(popup.top, client.top + Pixels(1850));
  // Down to "Options" and into its submenu, for a look at the check marks.
  PressKey(menu, VK_DOWN);
  PressKey(menu, VK_DOWN);
  PressKey(menu, VK_RIGHT);
  std::vector<HWND> menus;
  ASSERT_TRUE(WaitFor([&] {
    menus = card.WindowsOfCard(kPopupMenuClass);
    return menus.size() == 2;
  }));
  RECT shot = ScreenRect(card.Window());
  for (HWND open : menus) {
    const RECT area = ScreenRect(open);
    UnionRect(&shot, &shot, &area);
  }
  SaveScreenshot(shot, L"card_with_options_menu");
  PressKey(menu, VK_ESCAPE);
  PressKey(menu, VK_ESCAPE);
  ASSERT_TRUE(WaitFor(
      [&] { return card.FindWindowOfCard(kPopupMenuClass, L"") == nullptr; }));
  ASSERT_TRUE(card.Close());
}

TEST(CardWindowUi, PayoutWindowOpensBelowTheCardWithTheDefaultTable) {
  CardFolder folder("payout_window");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickLabel(card.Control(kLabel4));
  HWND payouts = card.WaitForWindowOfCard(kPayoutWindowClass, L"Payouts");
  ASSERT_NE(payouts, nullptr);

  const RECT cardOuter = ScreenRect(card.Window());
  const RECT outer = ScreenRect(payouts);
  EXPECT_EQ(outer.left, cardOuter.left);
  EXPECT_EQ(outer.top, cardOuter.bottom + Pixels(10));
  const RECT client = ClientScreenRect(payouts);
  EXPECT_EQ(client.right - client.left, Pixels(4395));
  EXPECT_EQ(client.bottom - client.top, Pixels(3390));
  const LONG style = GetWindowLongW(payouts, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(payouts, GW_OWNER), nullptr);
  // "Stay On Top" is checked on a first start.
  EXPECT_TRUE(IsTopmost(payouts));

  const struct {
    int id;
    const wchar_t *value;
    POINT twips;
  } labels[] = {
      {kLbl7, L"25000", {1400, 115}},      {kLblBar, L"10000", {1400, 535}},
      {kLblDollar, L"5000", {1400, 945}},  {kLblDiamond, L"2500", {1400, 1345}},
      {kLblGold, L"1000", {1400, 1735}},   {kLblApple, L"500", {1400, 2160}},
      {kLblBell, L"500", {1400, 2560}},    {kLblStar, L"400", {1400, 2965}},
      {kLblLime, L"400", {3600, 115}},     {kLblHeart, L"400", {3600, 535}},
      {kLblSun, L"300", {3600, 945}},      {kLblGem, L"300", {3600, 1345}},
      {kLblGrape, L"300", {3600, 1735}},   {kLbl3Cherry, L"300", {3600, 2160}},
      {kLbl2Cherry, L"200", {3600, 2560}}, {kLbl1Cherry, L"100", {3600, 2965}},
  };
  for (const auto &label : labels) {
    SCOPED_TRACE(label.id);
    HWND control = GetDlgItem(payouts, label.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(TextOf(control), label.value);
    const RECT place = PlaceInClient(payouts, control);
    EXPECT_EQ(place.left, Pixels(label.twips.x));
    EXPECT_EQ(place.top, Pixels(label.twips.y));
  }
  SaveScreenshot(payouts, L"payout_window");

  // Closing the payout window leaves the card running.
  PostMessageW(payouts, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(payouts); }));
  EXPECT_FALSE(card.HasEnded());
  ASSERT_TRUE(card.Close());
}

TEST(CardWindowUi, ClosedPayoutWindowComesBackWithTheHostsTable) {
  CardFolder folder("payout_kept");
  folder.WriteChat({"Bo: Your machinekeeper is Bo",
                    "Bo: Payouts:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16"});
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDNO);
  ASSERT_TRUE(WaitFor([&] { return !IsEnabled(card.Control(kLabel2)); }));
  // Free Game made the window and filled it, but left it hidden.
  EXPECT_EQ(card.FindWindowOfCard(kPayoutWindowClass, L"Payouts"), nullptr);

  ChooseMenuItem(card.Window(), kMnuShowP);
  HWND payouts = card.WaitForWindowOfCard(kPayoutWindowClass, L"Payouts");
  ASSERT_NE(payouts, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(payouts, kLbl7)), L"1");
  EXPECT_EQ(TextOf(GetDlgItem(payouts, kLbl1Cherry)), L"16");

  PostMessageW(payouts, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(payouts); }));
  ClickLabel(card.Control(kLabel4));
  payouts = card.WaitForWindowOfCard(kPayoutWindowClass, L"Payouts");
  ASSERT_NE(payouts, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(payouts, kLbl7)), L"1");
  EXPECT_EQ(TextOf(GetDlgItem(payouts, kLbl1Cherry)), L"16");

  // Closing the card ends the program with the payout window.
  ASSERT_TRUE(card.Close());
  EXPECT_FALSE(IsWindow(payouts));
}

TEST(CardWindowUi, StayOnTopActsOnTheCardOnly) {
  CardFolder folder("stay_on_top");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  EXPECT_TRUE(IsTopmost(card.Window()));
  const RECT before = ScreenRect(card.Window());

  ChooseMenuItem(card.Window(), kMnuStayOnTop);
  ASSERT_TRUE(WaitFor([&] { return !IsTopmost(card.Window()); }));
  const RECT after = ScreenRect(card.Window());
  EXPECT_TRUE(EqualRect(&before, &after));

  // Created while the option is off: a normal window, and it stays one.
  ClickLabel(card.Control(kLabel4));
  HWND payouts = card.WaitForWindowOfCard(kPayoutWindowClass, L"Payouts");
  ASSERT_NE(payouts, nullptr);
  EXPECT_FALSE(IsTopmost(payouts));
  ChooseMenuItem(card.Window(), kMnuStayOnTop);
  ASSERT_TRUE(WaitFor([&] { return IsTopmost(card.Window()); }));
  EXPECT_FALSE(IsTopmost(payouts));
  ASSERT_TRUE(card.Close());
}

TEST(CardWindowUi, MinimisedCardHidesInTheTrayAndComesBackOnAClick) {
  CardFolder folder("tray");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  HWND window = card.Window();

  // A first start turns "Minimize To Tray" on.
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(
      WaitFor([&] { return IsIconic(window) && !IsWindowVisible(window); }));
  PostMessageW(window, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  ASSERT_TRUE(
      WaitFor([&] { return !IsIconic(window) && IsWindowVisible(window); }));

  ChooseMenuItem(window, kMnuMinToTray);
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window); }));
  EXPECT_TRUE(IsWindowVisible(window));
  PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsIconic(window); }));
  ASSERT_TRUE(card.Close());
}

// At log-on the taskbar may not take the icon yet, and a taskbar that
// restarts loses it: the card never hides without an icon, and brings its
// icon back when the taskbar announces itself.
TEST(CardWindowUi, TrayIconFollowsTheTaskbar) {
  CardFolder folder("tray_taskbar");
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  HWND window = card.Window();

  TakeTrayIconPlace(window);
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window); }));
  WaitUntilIdle(window);
  EXPECT_TRUE(IsWindowVisible(window));

  RemoveTrayIcon(window);
  AnnounceTaskbarCreated(window);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }));
  EXPECT_TRUE(HasTrayIcon(window));

  RemoveTrayIcon(window);
  ASSERT_FALSE(HasTrayIcon(window));
  AnnounceTaskbarCreated(window);
  ASSERT_TRUE(WaitFor([&] { return HasTrayIcon(window); }));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(IsIconic(window));

  PostMessageW(window, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  ASSERT_TRUE(
      WaitFor([&] { return !IsIconic(window) && IsWindowVisible(window); }));
  // The card shows itself before it takes the icon away.
  WaitUntilIdle(window);
  EXPECT_FALSE(HasTrayIcon(window));
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
