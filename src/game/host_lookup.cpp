#include "game/host_lookup.h"

#include "chat/chat_line_grammar.h"
#include "game/payout_table.h"

#include <string_view>

namespace slots::game {
namespace {

constexpr std::wstring_view kHostMarker = L"Your machinekeeper is ";
constexpr std::wstring_view kCreditsMarker = L"Amount of credits you get:";
constexpr std::wstring_view kCreditsValueMarker = L"get:";
// The value follows "get:" and one separating blank.
constexpr std::size_t kCreditsValueOffset = kCreditsValueMarker.size() + 1;
constexpr std::wstring_view kRegistrationTitle = L"ESP Registration?";
constexpr std::wstring_view kRegistrationPrompt =
    L"Would you like to send registration request ESP?";
constexpr std::wstring_view kRegistrationMessage = L"Register me!";

// Finds the host's announcement and fills an empty host box with its
// speaker; a filled box is never overwritten. False when there is none.
bool TakeHostFromChat(CardContext &card,
                      const chat::FetchedChatText &chatText) {
  const auto line = chatText.FindNewestLineWith(kHostMarker);
  if (!line) {
    return false;
  }
  if (card.model.hostName.empty()) {
    card.model.hostName = chat::SpeakerOfLine(*line);
  }
  return true;
}

void TakeCreditsFromChat(CardContext &card,
                         const chat::FetchedChatText &chatText) {
  const auto line = chatText.FindNewestLineWith(kCreditsMarker);
  if (!line) {
    return;
  }
  const std::size_t valueStart =
      line->find(kCreditsValueMarker) + kCreditsValueOffset;
  card.model.credits =
      valueStart < line->size() ? line->substr(valueStart) : std::wstring();
}

void TakePayoutsFromChat(CardContext &card,
                         const chat::FetchedChatText &chatText) {
  if (const auto line = chatText.FindNewestLineWith(kPayoutMarker)) {
    ApplyPayoutLine(card.model, *line);
  }
}

} // namespace

std::wstring AskYesNo(CardDialogs &dialogs, const std::wstring &title,
                      const std::wstring &prompt) {
  switch (dialogs.ShowYesNoBox(title, prompt)) {
  case CardDialogs::kAnswerYes:
    return L"Y";
  case CardDialogs::kAnswerNo:
    return L"N";
  default:
    return {};
  }
}

void GetHost(CardContext &card) {
  if (!card.model.steps.getHost) {
    return;
  }
  TakeHostFromChat(card, card.chat.FetchChatText());
}

void FreeGame(CardContext &card) {
  CardModel &model = card.model;
  if (!model.steps.freeGame) {
    return;
  }
  model.registered = true;
  // One fetch serves the host, the credits and the payouts.
  const chat::FetchedChatText chatText = card.chat.FetchChatText();
  if (!TakeHostFromChat(card, chatText)) {
    return;
  }
  const std::wstring answer =
      AskYesNo(card.dialogs, std::wstring(kRegistrationTitle),
               std::wstring(kRegistrationPrompt));
  if (answer == L"Y") {
    card.chat.Connection().ChatSend(chat::kPrivateMessageKind, model.hostName,
                                    std::wstring(kRegistrationMessage));
  }
  TakeCreditsFromChat(card, chatText);
  TakePayoutsFromChat(card, chatText);
  model.steps.start = true;
  model.steps.reset = true;
  model.steps.freeGame = false;
}

} // namespace slots::game
