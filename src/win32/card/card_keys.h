#pragma once

#include "game/card_model.h"

#include <windows.h>

namespace slots::win32 {

// What a key pressed in the card window means.
struct CardKey {
  // The key is the card's: it goes no further (no dialog key handling, no
  // typed character).
  bool used = false;
  // The control or menu item the key presses, as a click would; 0 for none.
  int command = 0;
};

// The card's keys, so that a whole game can be played without the mouse and
// without changing a caption: 1, 2 and 3 (top row or keypad) toggle the
// holds, Enter presses the next step of the game, Esc resets, F1 opens
// About. In the host box, digits and Enter belong to the box; Enter there
// moves the focus on. Keys of other windows, held-down repeats and keys with
// Ctrl, Alt or Shift are not the card's.
CardKey ReadCardKey(HWND card, const MSG &message,
                    const game::CardModel &model);

// The step Enter presses: the furthest one enabled in the order of play
// (Free Game, Start, ESP Holds, Final), so that ESP Holds, which stays
// enabled once used, gives way to Final; Start counts only once Free Game
// has been used. 0 when no step is enabled.
int NextStepCommand(const game::CardModel &model);

} // namespace slots::win32
