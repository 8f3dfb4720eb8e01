#pragma once

#include "chat/chat_line_search.h"
#include "game/card_model.h"

#include <string>

namespace slots::game {

class GameHistory;

// Message boxes the game needs; answers are the platform's box results.
class CardDialogs {
public:
  static constexpr int kAnswerYes = 6;
  static constexpr int kAnswerNo = 7;
  virtual ~CardDialogs() = default;
  // Yes and No buttons with the information icon.
  virtual int ShowYesNoBox(const std::wstring &title,
                           const std::wstring &prompt) = 0;
  // OK button with the information icon.
  virtual void ShowNotice(const std::wstring &title,
                          const std::wstring &text) = 0;
};

enum class Outcome { Win, Loss };

// The card's three sound moments; which file plays is the shell's business.
class CardSounds {
public:
  virtual ~CardSounds() = default;
  virtual void PlayStartSound() = 0;
  virtual void PlayHoldSound() = 0;
  virtual void PlayFinalSound(Outcome outcome) = 0;
};

// What every game action works with. An action whose control is disabled
// does nothing, as a disabled control takes no clicks.
struct CardContext {
  CardModel &model;
  chat::ChatLineSearch &chat;
  CardDialogs &dialogs;
  CardSounds &sounds;
  // Where the actions record each game; none in a card without a history.
  GameHistory *history = nullptr;
};

} // namespace slots::game
