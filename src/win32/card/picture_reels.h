#pragma once

#include "game/reel_animation.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/image_list_functions.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

namespace slots::win32 {

// An image list holds its pictures in GDI bitmaps.
using UniqueImageList =
    UniqueHandle<HIMAGELIST, DestroyImageList, HandleKind::Gdi>;

// The picture reels imgImage(1..3) behind "Spin": one strip of reel-window
// pictures per reel in an image list (imlImages), the animation, and the
// window timers (tmrStart, tmrSpin) it asks for. The strips are drawn when
// "Spin" is first pressed, so that opening the card does not wait for them.
class PictureReels {
public:
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
  std::optional<game::ReelAnimation> animation_;
  RunningTimer startTimer_;
  std::array<RunningTimer, game::ReelAnimation::kReelCount> spinTimers_;
};

} // namespace slots::win32
