#include "practice/practice_reason.h"

namespace slots::practice {

namespace {

// "A", "A and B", "A, B and C".
std::wstring ListPlaces(std::span<const std::wstring> places) {
  std::wstring list;
  for (std::size_t index = 0; index < places.size(); ++index) {
    if (index > 0)
      list += index + 1 == places.size() ? L" and " : L", ";
    list += places[index];
  }
  return list;
}

} // namespace

std::wstring PracticeReason(PracticeCause cause,
                            std::span<const std::wstring> placesLookedIn,
                            std::wstring_view unusableLibrary,
                            std::wstring_view programFileName) {
  const std::wstring program(programFileName);
  const std::wstring lookedFor = L"looked for " + ListPlaces(placesLookedIn);
  switch (cause) {
  case PracticeCause::NoChatLibrary:
    return L"No wadapi.dll was found beside " + program +
           L" or in the system folders (" + lookedFor +
           L"), so the card plays on this practice table. To play in the chat "
           L"world, put the card in the chat client's folder.";
  case PracticeCause::UnusableChatLibrary:
    return L"The wadapi.dll at " + std::wstring(unusableLibrary) +
           L" is not a chat client's library the card can use, and no other "
           L"was found (" +
           lookedFor + L"), so the card plays on this practice table.";
  case PracticeCause::AskedFor:
    return L"Started with --practice: the card plays on this practice table, "
           L"not in the chat world.";
  }
  return {};
}

std::wstring KeeperHabitNote(const KeeperHabit &habit) {
  return L"Marlowe deals with the " + std::wstring(habit.name) +
         L" habit (--practice-keeper prompt, patient, slow, terse or "
         L"chatty). Tip: Options > Wait For The Machinekeeper shows each "
         L"spin as Marlowe deals it, without pressing too early.";
}

} // namespace slots::practice
