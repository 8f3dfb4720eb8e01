#pragma once

// Control, menu and message numbers of the card and payout windows, shared
// with the UI tests, which find controls with GetDlgItem. Every control is a
// direct child of its window. Numbers stay clear of IDOK and IDCANCEL, which
// the dialog keyboard handling sends.

namespace slots::win32 {

inline constexpr wchar_t kCardWindowCaption[] = L"Tamsk's Slots Card 1.4";
inline constexpr wchar_t kCardWindowClass[] = L"SlotsForm";
inline constexpr wchar_t kPayoutWindowCaption[] = L"Payouts";
inline constexpr wchar_t kPayoutWindowClass[] = L"frmPayout";
inline constexpr wchar_t kHistoryWindowCaption[] = L"Game History";
inline constexpr wchar_t kHistoryWindowClass[] = L"frmHistory";

// Children of SlotsForm.
enum CardControlId : int {
  kTxtHostname = 1001,
  kCommand3 = 1002, // "Get Host"
  kLabel1 = 1003,   // "Credits:"
  kLblCredit = 1004,
  kFrame2 = 1010, // holds the reels and their HOLD labels
  kLblS1 = 1011,
  kLblS2 = 1012,
  kLblS3 = 1013,
  kLabel8 = 1014,   // HOLD of reel 1
  kLabel9 = 1015,   // HOLD of reel 2
  kLabel10 = 1016,  // HOLD of reel 3
  kCommand1 = 1020, // "Start"
  kCommand5 = 1021, // "ESP Holds"
  kCommand6 = 1022, // "Final"
  kLabel2 = 1030,   // "Free Game"
  kLabel3 = 1031,   // "Reset"
  kLabel5 = 1032,   // "Options"
  kLabel4 = 1033,   // "P"
  kCommand2 = 1040, // "Sound"
  kCommand7 = 1041, // "Spin"
  kFrame1 = 1050,   // holds the picture reels
  kImgImage1 = 1051,
  kImgImage2 = 1052,
  kImgImage3 = 1053,
  kLabel6 = 1054,  // HOLD under picture reel 1, no role
  kLabel7 = 1055,  // HOLD under picture reel 2, no role
  kLabel11 = 1056, // HOLD under picture reel 3, no role
};

// Items of the popup menu mnuOptions; WM_COMMAND with these numbers acts like
// choosing the item.
enum CardMenuId : int {
  kMnuShowP = 2001,
  kMnuStayOnTop = 2002,
  kMnuMinToTray = 2003,
  kMnuStartSound = 2004,
  kMnuHoldSound = 2005,
  kMnuFinalSound = 2006,
  kMnuAbout = 2007,
  kMnuOnlyMyMachinekeeper = 2008,
  kMnuGameHistory = 2009,
  kMnuKeepGameHistory = 2010,
  kMnuWaitForMachinekeeper = 2011,
};

// Children of frmHistory; the chart is drawn on the window itself.
enum HistoryControlId : int {
  kHistorySummary = 4001,
  kHistorySaveButton = 4002,
  kHistoryList = 4003,
};

// Children of frmPayout, fields 1 to 16 of a "Payouts:" line in order.
enum PayoutControlId : int {
  kLbl7 = 3001,
  kLblBar,
  kLblDollar,
  kLblDiamond,
  kLblGold,
  kLblApple,
  kLblBell,
  kLblStar,
  kLblLime,
  kLblHeart,
  kLblSun,
  kLblGem,
  kLblGrape,
  kLbl3Cherry,
  kLbl2Cherry,
  kLbl1Cherry,
};

// The tray icon's notifications reach the card window as this message
// (WM_APP + 1), with the mouse message in the low word of lParam.
inline constexpr unsigned kTrayCallbackMessage = 0x8000 + 1;
inline constexpr unsigned kTrayIconId = 1;

} // namespace slots::win32
