#include "win32/card/card_controls_sync.h"

#include "win32/card/credit_label_fit.h"
#include "win32/platform/window_text.h"

#include <array>

namespace slots::win32 {
namespace {

void ShowEnabled(HWND window, bool enabled) {
  if ((IsWindowEnabled(window) != FALSE) != enabled) {
    EnableWindow(window, enabled);
  }
}

// A control disabled while it had the focus would leave the keyboard with
// nowhere to go.
void MoveFocusOffDisabledControl(HWND parent) {
  HWND focus = GetFocus();
  if (focus == nullptr || GetParent(focus) != parent ||
      IsWindowEnabled(focus)) {
    return;
  }
  HWND next = GetNextDlgTabItem(parent, focus, FALSE);
  SetFocus(next != nullptr && next != focus ? next : parent);
}

} // namespace

void SyncCardControls(CardControls &controls, const game::CardModel &model) {
  ShowWindowText(controls.Get(kTxtHostname), model.hostName);
  ShowWindowText(controls.Get(kLblCredit), model.credits);
  FitCreditLabel(controls, model.credits);

  constexpr std::array kReels{kLblS1, kLblS2, kLblS3};
  constexpr std::array kHolds{kLabel8, kLabel9, kLabel10};
  for (std::size_t reel = 0; reel < kReels.size(); ++reel) {
    ShowWindowText(controls.Get(kReels[reel]), model.reels[reel].caption);
    if (controls.shownHolds[reel] != model.holds[reel]) {
      // The label takes its colour from the model when it paints.
      controls.shownHolds[reel] = model.holds[reel];
      InvalidateRect(controls.Get(kHolds[reel]), nullptr, TRUE);
    }
  }

  const game::StepControls &steps = model.steps;
  ShowEnabled(controls.Get(kCommand1), steps.start);
  ShowEnabled(controls.Get(kCommand5), steps.espHolds);
  ShowEnabled(controls.Get(kCommand6), steps.final);
  ShowEnabled(controls.Get(kCommand3), steps.getHost);
  ShowEnabled(controls.Get(kTxtHostname), steps.hostName);
  ShowEnabled(controls.Get(kLabel2), steps.freeGame);
  ShowEnabled(controls.Get(kLabel3), steps.reset);
  MoveFocusOffDisabledControl(GetParent(controls.Get(kCommand1)));
}

} // namespace slots::win32
