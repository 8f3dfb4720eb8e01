#pragma once

#include <functional>
#include <utility>

namespace slots::win32 {

// Marks a card action as running for as long as it lives, however the
// action ends. A click that fails half-way (out of memory, say) must not
// leave the mark set: the card would ignore every later click and could
// never close. Once the mark is cleared, what waited for the action runs.
class RunningAction {
public:
  RunningAction(bool &running, std::function<void()> afterwards)
      : running_(running), afterwards_(std::move(afterwards)) {
    running_ = true;
  }
  RunningAction(const RunningAction &) = delete;
  RunningAction &operator=(const RunningAction &) = delete;

  // Also runs while a failure unwinds, where nothing may escape: a failure
  // of what comes afterwards loses only that.
  ~RunningAction() {
    running_ = false;
    try {
      afterwards_();
    } catch (...) {
    }
  }

private:
  bool &running_;
  std::function<void()> afterwards_;
};

} // namespace slots::win32
