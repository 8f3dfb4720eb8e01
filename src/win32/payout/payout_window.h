#pragma once

#include "game/card_model.h"
#include "win32/card/layout_fonts.h"
#include "win32/platform/routed_window.h"
#include "win32/platform/solid_brushes.h"

#include <functional>

namespace slots::win32 {

// frmPayout: the chart of winning combinations with sixteen value labels. It
// has no owner, so it stays up while the card hides in the tray; the card
// creates, shows and destroys it as the model says.
class PayoutWindow final : public MessageTarget {
public:
  // Called when the player closes the window; the window stays until the
  // card destroys it.
  PayoutWindow(HINSTANCE instance, std::function<void()> closedByPlayer);
  PayoutWindow(const PayoutWindow &) = delete;
  PayoutWindow &operator=(const PayoutWindow &) = delete;
  ~PayoutWindow();

  bool Exists() const { return window_ != nullptr; }
  // The load step: created hidden 10 twips below the card's outer bottom
  // edge, left edges aligned, topmost when asked, with the card's icon.
  void Create(HWND card, bool topmost, HICON icon);
  void ShowValues(const game::PayoutTable &payouts);
  void Show();
  void Destroy();

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) override;

private:
  void CreateLabels();
  void ApplyDpi(int dpi);
  HBRUSH Background();

  HINSTANCE instance_;
  std::function<void()> closedByPlayer_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  LayoutFonts fonts_{96};
  SolidBrushes brushes_;
};

} // namespace slots::win32
