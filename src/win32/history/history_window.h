#pragma once

#include "game/game_history.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/routed_window.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace slots::win32 {

// frmHistory: the evening at a glance. A balance chart on top, the summary
// line and "Save As CSV..." under it, and the games below, newest first, in
// a virtual list that asks for each cell as it shows it. Like the payout
// window it has no owner; closing it destroys it, and the menu opens a new
// one.
class HistoryWindow final : public MessageTarget {
public:
  // `keptFile` is the file Keep Game History adds to: Save As never
  // replaces it.
  HistoryWindow(HINSTANCE instance, const game::GameHistory &history,
                std::filesystem::path keptFile);
  HistoryWindow(const HistoryWindow &) = delete;
  HistoryWindow &operator=(const HistoryWindow &) = delete;
  ~HistoryWindow();

  // Opens beside the card, topmost when asked; a window already open comes
  // to the front as it is.
  void Open(HWND card, bool topmost, HICON icon);
  // Shows games that ended since the window last looked.
  void Refresh();
  void Destroy();

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) override;

private:
  void CreateChildren();
  void ApplyDpi(int dpi);
  void Layout();
  RECT ChartArea() const;
  void ShowGames();
  void FillCell(NMHDR *header);
  void SaveAsCsv();

  HINSTANCE instance_;
  const game::GameHistory &history_;
  std::filesystem::path keptFile_;
  HWND window_ = nullptr;
  HWND summary_ = nullptr;
  HWND save_ = nullptr;
  HWND list_ = nullptr;
  int dpi_ = 96;
  UniqueFont font_;
  std::uint64_t shownRevision_ = 0;
  // The text of the cell the list asked for last; it reads it from here.
  std::wstring cell_;
};

} // namespace slots::win32
