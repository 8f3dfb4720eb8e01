#include "practice/practice_chat_client.h"

namespace slots::practice {
namespace {

constexpr std::wstring_view kRequestDone = L"0";

bool IsBlank(std::wstring_view text) {
  return text.find_first_not_of(L" \t\r\n") == std::wstring_view::npos;
}

} // namespace

PracticeChatClient::PracticeChatClient(const PracticeClock &clock,
                                       std::uint32_t seed, KeeperHabit habit)
    : clock_(clock), keeper_(chat_, seed, habit) {
  keeper_.OpenTable();
}

std::int16_t PracticeChatClient::InitDDE(const std::wstring &,
                                         chat::ChatCallbacks &callbacks) {
  callbacks_ = &callbacks;
  return 0;
}

void PracticeChatClient::KillDDE() { callbacks_ = nullptr; }

void PracticeChatClient::DapiRegister(const std::wstring &) { ReportDone(); }

void PracticeChatClient::DapiCommunicate(const std::wstring &,
                                         std::int16_t kind,
                                         const std::wstring &user,
                                         const std::wstring &text) {
  // Nothing reaches the chat before the link is open or after it closed.
  if (callbacks_ == nullptr) {
    return;
  }
  if (kind == chat::kPrivateMessageKind) {
    // What was due by now is in the chat before the player's message: the
    // keeper reads it in that order.
    DeliverDueLines();
    chat_.AddSentPrivateLine(user, text);
    if (user == Machinekeeper::kName) {
      keeper_.HearPrivateMessage(text, clock_.Now());
    } else {
      chat_.AddClientLine(L"Nobody called " + user +
                          L" is at the practice table.");
    }
  }
  ReportDone();
}

void PracticeChatClient::DapiGetAllText(const std::wstring &) {
  if (callbacks_ == nullptr) {
    return;
  }
  DeliverDueLines();
  callbacks_->DapiTextCallback(chat_.WholeText());
  ReportDone();
}

void PracticeChatClient::SayInPublic(std::wstring_view text) {
  if (!IsBlank(text)) {
    chat_.AddPublicLine(kPlayerName, text);
  }
}

void PracticeChatClient::DeliverDueLines() {
  keeper_.RunDueActions(clock_.Now());
}

void PracticeChatClient::ReportDone() {
  if (callbacks_ != nullptr) {
    callbacks_->DapiStatusCallback(kRequestDone);
  }
}

} // namespace slots::practice
