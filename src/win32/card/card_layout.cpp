#include "win32/card/card_layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace slots::win32 {
namespace {

constexpr FontStyle kDefaultFont{L"MS Sans Serif", 825, FW_NORMAL,
                                 VARIABLE_PITCH | FF_SWISS};
constexpr FontStyle kButtonFont{L"MS Serif", 825, FW_NORMAL,
                                VARIABLE_PITCH | FF_ROMAN};
constexpr FontStyle kReelFont{L"MS Serif", 1200, FW_NORMAL,
                              VARIABLE_PITCH | FF_ROMAN};
constexpr FontStyle kHoldFont{L"Sylfaen", 825, FW_BOLD,
                              VARIABLE_PITCH | FF_ROMAN};
constexpr FontStyle kStepButtonFont{L"Times New Roman", 825, FW_NORMAL,
                                    VARIABLE_PITCH | FF_ROMAN};
constexpr FontStyle kGameLabelFont{L"Arial", 900, FW_BOLD,
                                   VARIABLE_PITCH | FF_SWISS};
constexpr FontStyle kSmallLabelFont{L"MS Sans Serif", 975, FW_BOLD,
                                    VARIABLE_PITCH | FF_SWISS};

constexpr LayoutColour kButtonFace = SystemColour(COLOR_BTNFACE);
constexpr LayoutColour kButtonText = SystemColour(COLOR_BTNTEXT);
constexpr LayoutColour kWindowText = SystemColour(COLOR_WINDOWTEXT);
constexpr LayoutColour kNavy = FixedColour(0, 0, 128);
constexpr LayoutColour kWhite = FixedColour(255, 255, 255);
constexpr LayoutColour kDarkGrey = FixedColour(64, 64, 64);

// Frames hold their controls at places relative to the frame.
constexpr TwipsPlace kFrame2Place{120, 480, 3150, 650};
constexpr TwipsPlace kFrame1Place{120, 2160, 3170, 1000};
constexpr TwipsPlace InFrame(const TwipsPlace &frame, int left, int top,
                             int width, int height) {
  return TwipsPlace{frame.left + left, frame.top + top, width, height};
}

constexpr ControlLayout Reel(int id, int left) {
  return ControlLayout{.id = id,
                       .kind = ControlKind::Label,
                       .caption = L"Slots",
                       .place = InFrame(kFrame2Place, left, 0, 1005, 375),
                       .font = kReelFont,
                       .text = kWhite,
                       .background = kNavy,
                       .border = true,
                       .centred = true};
}

constexpr ControlLayout Hold(int id, const TwipsPlace &place, bool clickable) {
  return ControlLayout{.id = id,
                       .kind = ControlKind::Label,
                       .caption = L"HOLD",
                       .place = place,
                       .font = kHoldFont,
                       .text = kButtonText,
                       .background = kButtonFace,
                       .border = true,
                       .centred = true,
                       .clickable = clickable};
}

constexpr ControlLayout Button(int id, const wchar_t *caption, TwipsPlace place,
                               FontStyle font) {
  return ControlLayout{.id = id,
                       .kind = ControlKind::Button,
                       .caption = caption,
                       .place = place,
                       .font = font,
                       .text = kButtonText,
                       .background = kButtonFace};
}

constexpr ControlLayout GameLabel(int id, const wchar_t *caption,
                                  TwipsPlace place) {
  return ControlLayout{.id = id,
                       .kind = ControlKind::Label,
                       .caption = caption,
                       .place = place,
                       .font = kGameLabelFont,
                       .text = kWhite,
                       .background = kDarkGrey,
                       .border = true,
                       .centred = true,
                       .clickable = true};
}

constexpr ControlLayout SmallLabel(int id, const wchar_t *caption,
                                   TwipsPlace place) {
  return ControlLayout{.id = id,
                       .kind = ControlKind::Label,
                       .caption = caption,
                       .place = place,
                       .font = kSmallLabelFont,
                       .text = kButtonText,
                       .background = std::nullopt,
                       .clickable = true};
}

constexpr ControlLayout PictureBox(int id, int left) {
  return ControlLayout{.id = id,
                       .kind = ControlKind::PictureBox,
                       .caption = L"",
                       .place = InFrame(kFrame1Place, left, 0, 1005, 735),
                       .font = kDefaultFont,
                       .text = kButtonText,
                       .background = kButtonFace};
}

constexpr ControlLayout Frame(int id, TwipsPlace place) {
  return ControlLayout{.id = id,
                       .kind = ControlKind::Frame,
                       .caption = L"",
                       .place = place,
                       .font = kDefaultFont,
                       .text = kButtonText,
                       .background = kButtonFace};
}

constexpr std::array kCardControls{
    Button(kCommand3, L"Get Host", {1440, 100, 800, 300}, kButtonFont),
    ControlLayout{.id = kTxtHostname,
                  .kind = ControlKind::TextBox,
                  .caption = L"",
                  .place = {120, 120, 1280, 285},
                  .font = kDefaultFont,
                  .text = kWindowText,
                  .background = SystemColour(COLOR_WINDOW),
                  .border = true},
    // Before "Credits:", so the balance lies above the caption where the
    // two overlap.
    ControlLayout{.id = kLblCredit,
                  .kind = ControlKind::Label,
                  .caption = L"0",
                  .place = {2880, 140, 375, 255},
                  .font = kDefaultFont,
                  .text = kButtonText,
                  .background = std::nullopt},
    ControlLayout{.id = kLabel1,
                  .kind = ControlKind::Label,
                  .caption = L"Credits:",
                  .place = {2280, 140, 615, 255},
                  .font = kDefaultFont,
                  .text = kDarkGrey,
                  .background = std::nullopt},
    Reel(kLblS1, 0),
    Reel(kLblS2, 1080),
    Reel(kLblS3, 2160),
    Hold(kLabel8, InFrame(kFrame2Place, 0, 360, 1005, 255), true),
    Hold(kLabel9, InFrame(kFrame2Place, 1080, 360, 1005, 255), true),
    Hold(kLabel10, InFrame(kFrame2Place, 2160, 360, 1005, 255), true),
    Button(kCommand1, L"Start", {120, 1200, 975, 300}, kStepButtonFont),
    Button(kCommand5, L"ESP Holds", {1160, 1200, 1110, 300}, kStepButtonFont),
    Button(kCommand6, L"Final", {2330, 1200, 975, 300}, kStepButtonFont),
    GameLabel(kLabel2, L"Free Game", {120, 1590, 1305, 285}),
    GameLabel(kLabel3, L"Reset", {1455, 1590, 795, 285}),
    SmallLabel(kLabel5, L"Options", {2280, 1590, 795, 255}),
    SmallLabel(kLabel4, L"P", {3135, 1590, 240, 255}),
    Button(kCommand7, L"Spin", {4560, 240, 855, 375}, kDefaultFont),
    Button(kCommand2, L"Sound", {3600, 240, 855, 375}, kDefaultFont),
    PictureBox(kImgImage1, 0),
    PictureBox(kImgImage2, 1080),
    PictureBox(kImgImage3, 2160),
    Hold(kLabel6, InFrame(kFrame1Place, 0, 735, 1005, 255), false),
    Hold(kLabel7, InFrame(kFrame1Place, 1080, 735, 1005, 255), false),
    Hold(kLabel11, InFrame(kFrame1Place, 2160, 735, 1005, 255), false),
    // Last, so they lie below the controls they hold.
    Frame(kFrame2, kFrame2Place),
    Frame(kFrame1, kFrame1Place),
};

} // namespace

COLORREF ResolveColour(const LayoutColour &colour) {
  return colour.isSystemColour ? GetSysColor(colour.systemColourIndex)
                               : colour.rgb;
}

std::span<const ControlLayout> CardControlLayouts() { return kCardControls; }

const ControlLayout *FindCardControlLayout(int id) {
  const auto found = std::find_if(
      kCardControls.begin(), kCardControls.end(),
      [id](const ControlLayout &layout) { return layout.id == id; });
  return found == kCardControls.end() ? nullptr : &*found;
}

const ControlLayout &CardControlLayout(int id) {
  const ControlLayout *layout = FindCardControlLayout(id);
  if (layout == nullptr) {
    throw std::out_of_range("no card control with this id");
  }
  return *layout;
}

} // namespace slots::win32
