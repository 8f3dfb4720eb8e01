#include "practice/keeper_habit.h"

#include <algorithm>

namespace slots::practice {

KeeperHabit KeeperHabit::WithoutWaiting() const {
  KeeperHabit habit = *this;
  habit.shortestThinking = {};
  habit.longestThinking = {};
  habit.dealingDelay = {};
  return habit;
}

std::optional<KeeperHabit> FindKeeperHabit(std::wstring_view name) {
  const auto found = std::find_if(
      kKeeperHabits.begin(), kKeeperHabits.end(),
      [name](const KeeperHabit &habit) { return habit.name == name; });
  if (found == kKeeperHabits.end()) {
    return std::nullopt;
  }
  return *found;
}

} // namespace slots::practice
