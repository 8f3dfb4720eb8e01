#pragma once

#include "chat/chat_connection.h"

namespace slots::win32 {

// Waits between repeats of a chat request on the window's own thread while
// keeping the window alive: it paints and answers messages sent from other
// processes, but takes no posted input, so no second game action can start
// inside the one that waits.
class PumpingRepeatPause final : public chat::RepeatPause {
public:
  void Pause(std::chrono::milliseconds duration) override;
};

} // namespace slots::win32
