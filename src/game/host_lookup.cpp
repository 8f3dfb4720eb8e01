#include "game/host_lookup.h"

#include "chat/chat_line_grammar.h"
#include "game/game_line_filters.h"
#include "game/host_announcement.h"
#include "game/payout_table.h"

#include <string_view>

namespace slots::game {
namespace {

constexpr std::wstring_view kCreditsMarker = L"Amount of credits you get:";
constexpr std::wstring_view kCreditsValueMarker = L"get:";
// The value follows "get:" and one separating blank.
constexpr std::size_t kCreditsValueOffset = kCreditsValueMarker.size() + 1;
constexpr std::wstring_view kRegistrationTitle = L"ESP Registration?";
constexpr std::wstring_view kRegistrationPrompt =
    L"Would you like to send registration request ESP?";
constexpr std::wstring_view kNamedRegistrationPrompt =
    L"Would you like to send registration request ESP to ";
constexpr std::wstring_view kRegistrationMessage = L"Register me!";
// No chat name is this long; a longer "speaker" is a line someone wrote to
// look like an announcement, and the player's messages must not go there.
constexpr std::size_t kLongestHostName = 64;

// The machinekeeper's name as an announcement line gives it: whoever made
// it. An announcement made privately names its sender, not "ESP from" and
// the sender.
std::wstring HostNameOfLine(std::wstring_view line) {
  return chat::AuthorOfLine(line);
}

// Anyone can write the marker. With "Only My Machinekeeper" checked, an
// announcement counts only when it names its own speaker, so a stranger
// cannot pass for the machinekeeper by naming them.
chat::LineFilter HostAnnouncementsFor(const CardModel &model) {
  if (!model.options.onlyMyMachinekeeper) {
    return chat::AnyLine;
  }
  return [](std::wstring_view line) {
    const std::wstring announcer = HostNameOfLine(line);
    return !announcer.empty() && announcer == NameAfterHostMarker(line);
  };
}

// Fills an empty host box with the name the host's announcement gives; a
// filled box is never overwritten.
void TakeHostFromLine(CardModel &model, std::wstring_view line) {
  if (model.hostName.empty()) {
    model.hostName = HostNameOfLine(line);
  }
}

// Finds the host's announcement in a fresh fetch and fills an empty host
// box; false when there is none.
bool TakeHostFromChat(CardContext &card) {
  const chat::FetchedChatText chatText = card.chat.FetchChatText();
  const auto [found] = chatText.FindNewestLinesWith(
      {kHostMarker}, {HostAnnouncementsFor(card.model)});
  if (!found || HostNameOfLine(found->line).size() > kLongestHostName) {
    return false;
  }
  TakeHostFromLine(card.model, found->line);
  return true;
}

// Checked, the question names whom the player would register with, so that
// a wrong machinekeeper can be turned down.
std::wstring RegistrationPrompt(const CardModel &model) {
  if (!model.options.onlyMyMachinekeeper) {
    return std::wstring(kRegistrationPrompt);
  }
  return std::wstring(kNamedRegistrationPrompt) + model.hostName + L"?";
}

void TakeCreditsFromLine(CardModel &model, std::wstring_view line) {
  const std::size_t valueStart =
      line.find(kCreditsValueMarker) + kCreditsValueOffset;
  model.credits =
      valueStart < line.size() ? line.substr(valueStart) : std::wstring_view();
}

// Copies the credits and payouts the machinekeeper announced.
void TakeAnnouncedCredits(CardContext &card) {
  CardModel &model = card.model;
  const chat::FetchedChatText chatText = card.chat.FetchChatText();
  const auto [credits, payouts] = chatText.FindNewestLinesWith(
      {kCreditsMarker, kPayoutMarker},
      {AnnouncementsFrom(model), AnnouncementsFrom(model)});
  if (credits) {
    TakeCreditsFromLine(model, credits->line);
  }
  if (payouts) {
    ApplyPayoutLine(model, payouts->line);
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
  TakeHostFromChat(card);
}

// The host is looked up before the question, the credits and payouts after
// the registration went out: the machinekeeper may answer it at once. So
// Free Game fetches twice, and lets the first text go before the second.
void FreeGame(CardContext &card) {
  CardModel &model = card.model;
  if (!model.steps.freeGame) {
    return;
  }
  model.registered = true;
  const std::wstring hostBefore = model.hostName;
  if (!TakeHostFromChat(card)) {
    return;
  }
  // An announcement without a speaker leaves no one to register with.
  bool turnedDown = false;
  if (!model.hostName.empty()) {
    if (AskYesNo(card.dialogs, std::wstring(kRegistrationTitle),
                 RegistrationPrompt(model)) == L"Y") {
      card.chat.Connection().ChatSend(chat::kPrivateMessageKind, model.hostName,
                                      std::wstring(kRegistrationMessage));
    } else {
      // Checked, the question named whom the player would register with:
      // a No turns that name down, so nothing is taken from it.
      turnedDown = model.options.onlyMyMachinekeeper;
    }
  }
  if (turnedDown) {
    model.hostName = hostBefore;
  } else {
    TakeAnnouncedCredits(card);
  }
  model.steps.start = true;
  model.steps.reset = true;
  model.steps.freeGame = false;
}

} // namespace slots::game
