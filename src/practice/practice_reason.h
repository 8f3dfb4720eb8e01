#pragma once

#include "practice/keeper_habit.h"

#include <string>
#include <string_view>

namespace slots::practice {

enum class PracticeCause {
  // No chat client's library beside the program.
  NoChatLibrary,
  // A file of that name is there, but it is no usable chat library.
  UnusableChatLibrary,
  // The player asked for the practice table.
  AskedFor,
};

// The practice chat window's first line: why the card plays on the practice
// table, and where it looked for the chat client's library.
std::wstring PracticeReason(PracticeCause cause, std::wstring_view libraryPath,
                            std::wstring_view programFileName);

// Which habit the practice machinekeeper plays, and how to choose another.
std::wstring KeeperHabitNote(const KeeperHabit &habit);

} // namespace slots::practice
