#pragma once

#include "game/reel_animation.h"
#include "win32/gdi_handles.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdint>

namespace slots::win32 {

// An image list holds its pictures in GDI bitmaps.
using UniqueImageList =
    UniqueHandle<HIMAGELIST, ImageList_Destroy, HandleKind::Gdi>;

// The picture reels imgImage(1..3) behind "Spin": one strip of reel-window
// pictures per reel in an image list (imlImages), the animation, and the
// window timers (tmrStart, tmrSpin) it asks for.
class PictureReels {
public:
  PictureReels();
  // Command7 "Spin"; timers run on the given window.
  void ClickSpin(HWND window);
  // True when the timer was one of the reels'.
  bool HandleTimer(HWND window, UINT_PTR timerId);
  // Paints imgImage(reel): the layout's reel window until the animation
  // first shows a picture of the strip.
  void Draw(int reel, const DRAWITEMSTRUCT &item) const;
  int PictureCount(int reel) const;

private:
  struct RunningTimer {
    bool enabled = false;
    std::uint32_t restarts = 0;
  };
  void RunTimers(HWND window);
  void RunTimer(HWND window, UINT_PTR timerId,
                const game::AnimationTimer &wanted, RunningTimer &running);

  std::array<UniqueImageList, game::ReelAnimation::kReelCount> strips_;
  game::ReelAnimation animation_;
  RunningTimer startTimer_;
  std::array<RunningTimer, game::ReelAnimation::kReelCount> spinTimers_;
};

} // namespace slots::win32
