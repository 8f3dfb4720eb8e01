#pragma once

#include "practice/keeper_habit.h"

#include <span>
#include <string>
#include <string_view>

namespace slots::practice {

enum class PracticeCause {
  // No chat client's library in any place the card looks.
  NoChatLibrary,
  // A file of that name is there, but it is no usable chat library, and no
  // other place holds one.
  UnusableChatLibrary,
  // The player asked for the practice table.
  AskedFor,
};

// The practice chat window's first line: why the card plays on the practice
// table, and every place it looked for the chat client's library, in order.
// The unusable library is the first file found that the card could not use.
std::wstring PracticeReason(PracticeCause cause,
                            std::span<const std::wstring> placesLookedIn,
                            std::wstring_view unusableLibrary,
                            std::wstring_view programFileName);

// Which habit the practice machinekeeper plays, and how to choose another.
std::wstring KeeperHabitNote(const KeeperHabit &habit);

} // namespace slots::practice
