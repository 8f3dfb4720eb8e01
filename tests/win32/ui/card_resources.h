#pragma once

#include "card_ui_driver.h"

#include <cstddef>
#include <optional>
#include <string>

namespace slots::ui_test {

// What a running card holds, read from outside between two clicks. Wine
// answers 0 to GetGuiResources, so the GDI and USER objects are the ones the
// card's handle owners count and answer for.
struct CardResources {
  long gdiObjects = 0;
  long userObjects = 0;
  long ownedKernelHandles = 0;
  // Every window of the card's process, children included.
  std::size_t windows = 0;
  // Resident memory: all of it, and the private part alone (Wine reports
  // the process's anonymous resident memory and swap there), which shared
  // and file-backed pages do not blur.
  std::size_t workingSetBytes = 0;
  std::size_t privateBytes = 0;
};

// Empty when the card does not answer or its memory cannot be read.
std::optional<CardResources> ReadCardResources(const CardProcess &card);

std::string DescribeResources(const CardResources &resources);

} // namespace slots::ui_test
