#pragma once

#include "chat/chat_place.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace slots::game {

inline constexpr int kReelCount = 3;
inline constexpr int kPayoutCount = 16;
// What a reel shows before its first spin and after a reset.
inline constexpr std::wstring_view kIdleReelCaption = L"Slots";

// A reel label: the caption shows the symbol name, the tag keeps the symbol
// code exactly as it came from the chat.
struct ReelLabel {
  std::wstring caption{kIdleReelCaption};
  std::wstring tag;
  bool operator==(const ReelLabel &) const = default;
};

// Which step controls can be used; they carry the step of the game.
struct StepControls {
  bool start = true;     // Command1 "Start"
  bool espHolds = false; // Command5 "ESP Holds"
  bool final = false;    // Command6 "Final"
  bool getHost = true;   // Command3 "Get Host"
  bool hostName = true;  // txtHostname
  bool freeGame = true;  // Label2 "Free Game"
  bool reset = false;    // Label3 "Reset"
  bool operator==(const StepControls &) const = default;
};

// The check marks of the options menu: the player's stored options.
struct CardOptions {
  bool stayOnTop = true;
  bool minimizeToTray = false;
  bool startSound = true;
  bool holdSound = true;
  bool finalSound = true;
  // Game lines count only when the machinekeeper named in the host box sent
  // them; off, they count from anyone.
  bool onlyMyMachinekeeper = false;
  // Each game is added to slots-history.csv beside the program as it ends.
  bool keepGameHistory = false;
  // Start, ESP Holds and Final go on looking for the machinekeeper's line
  // until it comes.
  bool waitForMachinekeeper = false;
  bool operator==(const CardOptions &) const = default;
};

enum class PayoutWindowState { NotCreated, Hidden, Visible };

// The sixteen payout values, left column top to bottom, then the right one.
struct PayoutTable {
  std::array<std::wstring, kPayoutCount> values;
  // The built-in table has been put in; it happens once, when the payout
  // window is first loaded.
  bool loaded = false;
  bool operator==(const PayoutTable &) const = default;
};

// Everything the card shows. The windows draw it; the actions change it.
struct CardModel {
  std::wstring hostName;       // txtHostname
  std::wstring credits = L"0"; // lblCredit, shown as it came from the chat
  std::array<ReelLabel, kReelCount> reels;
  std::array<bool, kReelCount> holds{}; // Label8..Label10: red while held
  bool registered = false;              // Label2's tag: "Free Game" used
  // The whole line Start opened the game under way at, normally its first
  // spin, and where it stood: Final looks no further back than this line.
  // Forgotten when the game ends.
  std::optional<std::wstring> firstSpinLine;
  std::optional<chat::ChatPlace> firstSpinPlace;
  // The final line Final showed last, and where it stood: a final shown for
  // one game is never shown again for a later one.
  std::optional<std::wstring> lastFinalLine;
  std::optional<chat::ChatPlace> lastFinalPlace;
  StepControls steps;
  CardOptions options;
  PayoutTable payouts;
  PayoutWindowState payoutWindow = PayoutWindowState::NotCreated;
  bool operator==(const CardModel &) const = default;
};

} // namespace slots::game
