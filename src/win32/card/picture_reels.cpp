#include "win32/card/picture_reels.h"

#include "win32/card/card_control_ids.h"
#include "win32/card/reel_symbol_art.h"

namespace slots::win32 {
namespace {

// The reel-window picture's own size; boxes show it stretched to theirs.
constexpr SIZE kPictureSize{64, 87};
constexpr int kStripLength = 20;
constexpr UINT_PTR kStartTimerId = 100;
constexpr UINT_PTR kFirstSpinTimerId = 101;
// Cherries, dollar and bar: the layout's reel window.
constexpr std::array<int, 3> kLayoutReelWindow{kCherryCode, kDollarCode,
                                               kBarCode};
constexpr std::array kSymbolOrder{14, 3, 9, 4,  1,  2,  5,
                                  6,  7, 8, 10, 11, 12, 13};

// The middle symbol of picture number (1-based) of a reel's strip; each reel
// starts its round of symbols at another place.
int StripSymbol(int reel, int picture) {
  const int wrapped =
      ((picture - 1) % kStripLength + kStripLength) % kStripLength;
  const int index =
      (wrapped + reel * 5) % static_cast<int>(kSymbolOrder.size());
  return kSymbolOrder[static_cast<std::size_t>(index)];
}

UniqueImageList CreateStrip(int reel) {
  UniqueImageList strip(CreateImageList(kPictureSize.cx, kPictureSize.cy,
                                        ILC_COLOR24, kStripLength, 0));
  if (!strip) {
    return strip;
  }
  WindowDc screen(nullptr);
  UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
  for (int picture = 1; picture <= kStripLength; ++picture) {
    UniqueBitmap bitmap(
        CreateCompatibleBitmap(screen.Get(), kPictureSize.cx, kPictureSize.cy));
    {
      SelectedObject selected(dc.Get(), bitmap.Get());
      DrawReelWindow(dc.Get(), RECT{0, 0, kPictureSize.cx, kPictureSize.cy},
                     {StripSymbol(reel, picture - 1),
                      StripSymbol(reel, picture),
                      StripSymbol(reel, picture + 1)});
    }
    AddToImageList(strip.Get(), bitmap.Get());
  }
  return strip;
}

std::array<UniqueImageList, game::ReelAnimation::kReelCount> CreateStrips() {
  return {CreateStrip(1), CreateStrip(2), CreateStrip(3)};
}

std::array<int, game::ReelAnimation::kReelCount>
CountPictures(const std::array<UniqueImageList, 3> &strips) {
  std::array<int, game::ReelAnimation::kReelCount> counts{};
  for (std::size_t reel = 0; reel < strips.size(); ++reel) {
    counts[reel] = CountImageListPictures(strips[reel].Get());
  }
  return counts;
}

void StretchPicture(HIMAGELIST strip, int index, HDC target,
                    const RECT &place) {
  UniqueMemoryDc dc(CreateCompatibleDC(target));
  UniqueBitmap bitmap(
      CreateCompatibleBitmap(target, kPictureSize.cx, kPictureSize.cy));
  SelectedObject selected(dc.Get(), bitmap.Get());
  DrawFromImageList(strip, index, dc.Get(), 0, 0, ILD_NORMAL);
  SetStretchBltMode(target, HALFTONE);
  StretchBlt(target, place.left, place.top, place.right - place.left,
             place.bottom - place.top, dc.Get(), 0, 0, kPictureSize.cx,
             kPictureSize.cy, SRCCOPY);
}

} // namespace

int PictureReels::PictureCount(int reel) const {
  if (reel < 1 || reel > game::ReelAnimation::kReelCount) {
    return 0;
  }
  return CountImageListPictures(
      strips_[static_cast<std::size_t>(reel - 1)].Get());
}

void PictureReels::ClickSpin(HWND window) {
  if (!animation_) {
    strips_ = CreateStrips();
    animation_.emplace(CountPictures(strips_));
  }
  animation_->ClickSpin();
  RunTimers(window);
}

bool PictureReels::HandleTimer(HWND window, UINT_PTR timerId) {
  if (!animation_) {
    return false;
  }
  if (timerId == kStartTimerId) {
    animation_->TickStart();
  } else if (timerId >= kFirstSpinTimerId &&
             timerId < kFirstSpinTimerId + game::ReelAnimation::kReelCount) {
    const int reel = static_cast<int>(timerId - kFirstSpinTimerId) + 1;
    animation_->TickSpin(reel);
    InvalidateRect(GetDlgItem(window, kImgImage1 + reel - 1), nullptr, FALSE);
  } else {
    return false;
  }
  RunTimers(window);
  return true;
}

void PictureReels::RunTimers(HWND window) {
  RunTimer(window, kStartTimerId, animation_->StartTimer(), startTimer_);
  for (int reel = 1; reel <= game::ReelAnimation::kReelCount; ++reel) {
    RunTimer(window, kFirstSpinTimerId + static_cast<UINT_PTR>(reel - 1),
             animation_->SpinTimer(reel),
             spinTimers_[static_cast<std::size_t>(reel - 1)]);
  }
}

void PictureReels::RunTimer(HWND window, UINT_PTR timerId,
                            const game::AnimationTimer &wanted,
                            RunningTimer &running) {
  if (wanted.enabled) {
    // Setting a running timer again starts its countdown over.
    if (!running.enabled || running.restarts != wanted.restarts) {
      SetTimer(window, timerId, static_cast<UINT>(wanted.intervalMs), nullptr);
    }
  } else if (running.enabled) {
    KillTimer(window, timerId);
  }
  running = RunningTimer{wanted.enabled, wanted.restarts};
}

void PictureReels::Draw(int reel, const DRAWITEMSTRUCT &item) const {
  // Zero while the reel still shows the window's reel picture.
  const int shown = animation_ ? animation_->ShownPicture(reel).value_or(0) : 0;
  if (shown < 1 || shown > PictureCount(reel)) {
    DrawReelWindow(item.hDC, item.rcItem, kLayoutReelWindow);
    return;
  }
  StretchPicture(strips_[static_cast<std::size_t>(reel - 1)].Get(), shown - 1,
                 item.hDC, item.rcItem);
}

} // namespace slots::win32
