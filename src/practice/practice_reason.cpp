#include "practice/practice_reason.h"

namespace slots::practice {

std::wstring PracticeReason(PracticeCause cause, std::wstring_view libraryPath,
                            std::wstring_view programFileName) {
  const std::wstring program(programFileName);
  const std::wstring path(libraryPath);
  switch (cause) {
  case PracticeCause::NoChatLibrary:
    return L"No wadapi.dll was found beside " + program + L" (looked for " +
           path +
           L"), so the card plays on this practice table. To play in the chat "
           L"world, put the card in the chat client's folder.";
  case PracticeCause::UnusableChatLibrary:
    return L"The wadapi.dll beside " + program + L" (" + path +
           L") is not a chat client's library the card can use, so the card "
           L"plays on this practice table.";
  case PracticeCause::AskedFor:
    return L"Started with --practice: the card plays on this practice table, "
           L"not in the chat world.";
  }
  return {};
}

std::wstring KeeperHabitNote(const KeeperHabit &habit) {
  return L"Marlowe deals with the " + std::wstring(habit.name) +
         L" habit (--practice-keeper prompt, patient, slow, terse or "
         L"chatty).";
}

} // namespace slots::practice
