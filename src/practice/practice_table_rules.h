#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace slots::practice {

inline constexpr int kReelCount = 3;
inline constexpr int kPayoutCount = 16;
inline constexpr int kSymbolCount = 14;
inline constexpr int kCherryCode = 14;

// Symbol codes 1 to 14 of reels 1, 2 and 3.
using Reels = std::array<int, kReelCount>;
// True where the player holds the reel.
using Holds = std::array<bool, kReelCount>;

inline constexpr int kStake = 10;
inline constexpr int kStartingCredits = 1000;

// What each row pays, in the order of a "Payouts:" line: three 7s, Bars, $,
// Diamonds, Gold Bars, Apples, Bells, Stars, Lemons, Hearts, Suns, Gems,
// Grapes, then three, two and one Cherry. A tenth of the usual table, so a
// stake of 1000 lasts a practice session.
inline constexpr std::array<int, kPayoutCount> kPayouts = {
    2500, 1000, 500, 250, 100, 50, 50, 40, 40, 40, 30, 30, 30, 30, 20, 10};

// "Payouts:" and the sixteen values, each after a ":".
std::wstring PayoutLine();
// What the spin pays: Cherries pay their row whatever the other reels show,
// else three equal symbols pay theirs, else nothing.
int PayoutFor(const Reels &reels);
// "[1]05[2]09[3]14": the card reads the codes at positions 4-5, 9-10 and
// 14-15.
std::wstring SpinField(const Reels &reels);
// "$(1250)": the card drops the first two characters and the last one.
std::wstring CreditField(int balance);
// "I hold " and three flags 0 or 1 joined by ",", exactly; empty otherwise.
std::optional<Holds> ParseHoldsMessage(std::wstring_view message);

} // namespace slots::practice
