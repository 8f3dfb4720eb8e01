// The practice table's chat client against any player: private messages to
// the machinekeeper or anybody else, public lines, registrations and holds
// in any order, with time passing, the card fetching the chat and the link
// closing and opening in between. The machinekeeper never fails, every
// balance it announces adds up from the stake and its own payout table, and
// the chat text stays lines the card's reader hands back one by one.
#include "chat/chat_connection.h"
#include "chat/chat_library.h"
#include "chat/chat_text_reader.h"
#include "chat/scripted_chat_library.h"
#include "fuzz_input.h"
#include "practice/machinekeeper.h"
#include "practice/practice_chat_client.h"
#include "practice/practice_table_rules.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace slots;
using namespace slots::practice;

constexpr std::wstring_view kKeeperSays = L"Marlowe: ";
constexpr std::wstring_view kKeeperTells = L"ESP from Marlowe: ";
constexpr std::wstring_view kPlayerTellsKeeper = L"ESP to Marlowe: ";
constexpr std::wstring_view kPlayerSays = L"You: ";
constexpr std::wstring_view kPlayerTells = L"ESP to ";
constexpr std::wstring_view kClientSays = L"Nobody called ";
constexpr std::chrono::milliseconds kTimeStep{20};

class FuzzClock final : public PracticeClock {
public:
  PracticeTime now{};
  PracticeTime Now() const override { return now; }
};

// Takes the input apart: single bytes, and texts of a length byte followed
// by that many bytes, each one character, or (length byte 0x80 and over)
// by two bytes per character, so any UTF-16 unit can appear.
class InputReader {
public:
  InputReader(const std::uint8_t *data, std::size_t size)
      : data_(data), size_(size) {}
  bool AtEnd() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::wstring Text() {
    const std::uint8_t length = Byte();
    std::wstring text;
    if (length < 0x80) {
      for (int i = 0; i < length && !AtEnd(); ++i) {
        text.push_back(static_cast<wchar_t>(Byte()));
      }
    } else {
      for (int i = 0; i < length - 0x80 && !AtEnd(); ++i) {
        const unsigned high = Byte();
        text.push_back(static_cast<wchar_t>(high << 8 | Byte()));
      }
    }
    return text;
  }

private:
  const std::uint8_t *data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::optional<int> ParseNumber(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 9 ||
      digits.find_first_not_of(L"0123456789") != std::wstring_view::npos) {
    return std::nullopt;
  }
  return std::stoi(std::wstring(digits));
}

// "[1]05[2]09[3]14" exactly as the machinekeeper writes it.
std::optional<Reels> ParseSpinField(std::wstring_view field) {
  constexpr std::size_t kFieldLength = 15;
  if (field.size() < kFieldLength) {
    return std::nullopt;
  }
  Reels reels{};
  for (std::size_t reel = 0; reel < reels.size(); ++reel) {
    const auto code = ParseNumber(field.substr(5 * reel + 3, 2));
    if (!code || *code < 1 || *code > kSymbolCount) {
      return std::nullopt;
    }
    reels[reel] = *code;
  }
  if (field.substr(0, kFieldLength) != SpinField(reels)) {
    return std::nullopt;
  }
  return reels;
}

std::optional<int> NumberAfter(std::wstring_view line, std::wstring_view prefix,
                               std::wstring_view suffix = {}) {
  if (!line.starts_with(prefix) || !line.ends_with(suffix) ||
      line.size() < prefix.size() + suffix.size()) {
    return std::nullopt;
  }
  return ParseNumber(
      line.substr(prefix.size(), line.size() - prefix.size() - suffix.size()));
}

// What the chat has shown of the table so far, line by line, and the rules
// each new line of the machinekeeper must keep.
class TableLedger {
public:
  explicit TableLedger(const KeeperHabit &habit) : habit_(habit) {}

  void Read(std::wstring_view line) {
    fuzz::Require(line.find_first_of(L"\r\n") == std::wstring_view::npos);
    fuzz::Require(line.find(L'\0') == std::wstring_view::npos);
    if (line.starts_with(kKeeperTells)) {
      ReadKeeperMessage(line.substr(kKeeperTells.size()));
    } else if (line.starts_with(kKeeperSays)) {
      ReadKeeperPublicLine(line.substr(kKeeperSays.size()));
    } else if (line.starts_with(kPlayerTellsKeeper)) {
      ReadPlayerMessage(line.substr(kPlayerTellsKeeper.size()));
    } else {
      fuzz::Require(line.starts_with(kPlayerSays) ||
                    line.starts_with(kPlayerTells) ||
                    line.starts_with(kClientSays) ||
                    (habit_.chatty && IsOthersTalk(line)));
    }
  }

  std::optional<int> Balance() const { return balance_; }

private:
  enum class Step {
    Unregistered,
    // Registered, the first spin of the next game to come.
    Registered,
    AwaitingHolds,
    Held,
    FinalSent,
    Broke
  };

  // Others at a chatty keeper's table talk in public.
  static bool IsOthersTalk(std::wstring_view line) {
    return line.starts_with(L"Ava: ") || line.starts_with(L"Bram: ") ||
           line.starts_with(L"Cleo: ");
  }

  void ReadPlayerMessage(std::wstring_view message) {
    if (step_ == Step::AwaitingHolds) {
      if (const auto holds = ParseHoldsMessage(message)) {
        holds_ = *holds;
        step_ = Step::Held;
      }
    }
  }

  // The table's opening lines, before anybody registered, and each game's
  // introduction with the payout table.
  void ReadKeeperPublicLine(std::wstring_view text) {
    static const std::wstring payouts = PayoutLine();
    const std::wstring gameIntro =
        habit_.terse ? L"Your machinekeeper is Marlowe. " + payouts
                     : L"Your machinekeeper is Marlowe, game " +
                           std::to_wstring(games_ + 1) + L". " + payouts;
    fuzz::Require(text == gameIntro ||
                  (!balance_ && IsOpeningLine(text, payouts)));
  }

  static bool IsOpeningLine(std::wstring_view text, std::wstring_view payouts) {
    return text.starts_with(L"Welcome to the practice table!") ||
           text == L"Amount of credits you get: 1000" ||
           text.starts_with(L"Each game costs 10 credits.") || text == payouts;
  }

  void ReadKeeperMessage(std::wstring_view message) {
    if (message.starts_with(L"FIRST:")) {
      ReadFirst(message.substr(6));
    } else if (message.starts_with(L"FINAL:")) {
      ReadFinal(message.substr(6));
    } else if (const auto credits = NumberAfter(
                   message,
                   L"You are registered. Amount of credits you get: ")) {
      fuzz::Require(step_ == Step::Unregistered || step_ == Step::Broke);
      fuzz::Require(*credits == kStartingCredits);
      balance_ = *credits;
      step_ = Step::Registered;
    } else if (const auto kept =
                   NumberAfter(message, L"You are registered already. Amount "
                                        L"of credits you get: ")) {
      fuzz::Require(step_ == Step::AwaitingHolds || step_ == Step::FinalSent);
      fuzz::Require(kept == balance_);
      step_ = Step::Registered;
    } else if (const auto win =
                   NumberAfter(message, L"You win ", L" credits.")) {
      fuzz::Require(step_ == Step::FinalSent || step_ == Step::Broke);
      fuzz::Require(*win == lastPayout_ && *win > 0);
    } else if (message == L"No win this time.") {
      fuzz::Require(step_ == Step::FinalSent || step_ == Step::Broke);
      fuzz::Require(lastPayout_ == 0);
    } else if (message.starts_with(L"You have run out of credits.")) {
      fuzz::Require(step_ == Step::Broke);
    } else if (habit_.terse &&
               message == L"Thank you, but your holds are in already.") {
      fuzz::Require(step_ == Step::Held || step_ == Step::FinalSent);
    } else if (const auto game =
                   NumberAfter(message, L"Thank you, but your holds for game ",
                               L" are in already.")) {
      fuzz::Require(!habit_.terse);
      fuzz::Require(step_ == Step::Held || step_ == Step::FinalSent);
      fuzz::Require(*game == games_);
    } else if (message.starts_with(L"Please send your holds")) {
      fuzz::Require(step_ == Step::AwaitingHolds);
    } else if (message.starts_with(L"Please register first")) {
      fuzz::Require(step_ == Step::Unregistered);
    } else if (message.starts_with(L"You have no credits left")) {
      fuzz::Require(step_ == Step::Broke);
    } else {
      fuzz::Require(message.starts_with(L"I understand Register me!"));
    }
  }

  // "[1]05[2]09[3]14:game 7" ("[1]05[2]09[3]14:" when terse): dealt only
  // right after a registration or after the last final, to a player who can
  // pay the stake, numbered one after the last.
  void ReadFirst(std::wstring_view rest) {
    const auto reels = ParseSpinField(rest);
    fuzz::Require(reels.has_value());
    if (habit_.terse) {
      fuzz::Require(rest.substr(15) == L":");
    } else {
      fuzz::Require(NumberAfter(rest.substr(15), L":game ") == games_ + 1);
    }
    fuzz::Require(step_ == Step::Registered || step_ == Step::FinalSent);
    fuzz::Require(balance_ >= kStake);
    ++games_;
    first_ = *reels;
    step_ = Step::AwaitingHolds;
  }

  // "[1]05[2]09[3]14:$(990)": the held reels kept, the balance before less
  // the stake plus what the spin pays.
  void ReadFinal(std::wstring_view rest) {
    fuzz::Require(step_ == Step::Held);
    const auto reels = ParseSpinField(rest);
    fuzz::Require(reels.has_value());
    for (std::size_t reel = 0; reel < reels->size(); ++reel) {
      fuzz::Require(!holds_[reel] || (*reels)[reel] == first_[reel]);
    }
    lastPayout_ = PayoutFor(*reels);
    const int expected = *balance_ - kStake + lastPayout_;
    fuzz::Require(NumberAfter(rest.substr(15), L":$(", L")") == expected);
    fuzz::Require(expected >= 0);
    balance_ = expected;
    step_ = expected < kStake ? Step::Broke : Step::FinalSent;
  }

  KeeperHabit habit_;
  Step step_ = Step::Unregistered;
  std::optional<int> balance_;
  int games_ = 0;
  int lastPayout_ = 0;
  Reels first_{};
  Holds holds_{};
};

// The card's own reader hands back every kept line, newest first, and then
// says there is none left.
void RequireReadableChat(const PracticeChatText &chat) {
  fuzz::Require(chat.Lines().size() <= PracticeChatText::kKeptLines);
  const std::wstring text = chat.WholeText();
  chat::ChatTextReader reader;
  auto kept = chat.Lines().rbegin();
  for (std::wstring_view line = reader.ReadChatLine(text);
       line != chat::kNoMoreLines; line = reader.ReadChatLine({})) {
    fuzz::Require(kept != chat.Lines().rend() && line == *kept);
    ++kept;
  }
  fuzz::Require(kept == chat.Lines().rend());
}

class TableRun {
public:
  // The setup byte picks the habit, whether it waits, and the seed.
  explicit TableRun(std::uint8_t setup)
      : client_(clock_, setup >> 4, HabitFor(setup)),
        ledger_(client_.Keeper().Habit()) {
    connection_.OpenLink();
    ReadNewLines();
  }

  void Play(InputReader &input) {
    const std::uint8_t operation = input.Byte();
    switch (operation % 10) {
    case 0:
      TellKeeper(input.Text());
      break;
    case 1:
      TellKeeper(L"Register me!");
      break;
    case 2: {
      const std::uint8_t flags = input.Byte();
      TellKeeper(L"I hold " + std::to_wstring(flags & 1) + L"," +
                 std::to_wstring(flags >> 1 & 1) + L"," +
                 std::to_wstring(flags >> 2 & 1));
      break;
    }
    case 3:
      TellKeeper(L"I hold " + input.Text());
      break;
    case 4: {
      const std::wstring user = input.Text();
      Send(chat::kPrivateMessageKind, user, input.Text());
      break;
    }
    case 5:
      client_.SayInPublic(input.Text());
      break;
    case 6:
      // The practice window's timer.
      clock_.now += kTimeStep * input.Byte();
      client_.DeliverDueLines();
      RequireNothingOverdue();
      break;
    case 7:
      Fetch();
      break;
    case 8:
      if (linkOpen_) {
        connection_.CloseLink();
      } else {
        fuzz::Require(connection_.OpenLink());
      }
      linkOpen_ = !linkOpen_;
      break;
    default: {
      const std::int32_t kind = input.Byte();
      const std::wstring user = input.Text();
      Send(kind, user, input.Text());
      break;
    }
    }
    ReadNewLines();
  }

  void Finish() {
    RequireReadableChat(client_.ChatText());
    // While it thinks, the keeper has settled the held game already; the
    // chat knows the balance from before it.
    const Machinekeeper &keeper = client_.Keeper();
    const auto &game = keeper.CurrentGame();
    const bool thinking = game && game->holds && !game->finalSent;
    if (ledger_.Balance()) {
      fuzz::Require((thinking ? game->balanceBefore : keeper.Credits()) ==
                    *ledger_.Balance());
    }
  }

private:
  static KeeperHabit HabitFor(std::uint8_t setup) {
    const KeeperHabit &habit =
        kKeeperHabits[(setup >> 1) % kKeeperHabits.size()];
    return setup % 2 == 0 ? habit : habit.WithoutWaiting();
  }

  void TellKeeper(const std::wstring &message) {
    Send(chat::kPrivateMessageKind, std::wstring(Machinekeeper::kName),
         message);
  }

  // Nothing reaches the chat through a closed link.
  void Send(std::int32_t kind, const std::wstring &user,
            const std::wstring &text) {
    const std::uint64_t before = client_.ChatText().LinesAdded();
    connection_.ChatSend(kind, user, text);
    fuzz::Require(linkOpen_ || client_.ChatText().LinesAdded() == before);
  }

  void Fetch() {
    connection_.DapiText() = chat::ChatText(std::wstring());
    connection_.ChatGetAllText();
    fuzz::Require(linkOpen_ != connection_.DapiText().IsEmpty());
    if (linkOpen_) {
      RequireNothingOverdue();
    }
  }

  void RequireNothingOverdue() const {
    const auto due = client_.Keeper().NextActionDue();
    fuzz::Require(!due || *due > clock_.now);
  }

  void ReadNewLines() {
    const PracticeChatText &chat = client_.ChatText();
    const std::uint64_t added = chat.LinesAdded() - linesRead_;
    fuzz::Require(added <= chat.Lines().size());
    for (auto line = chat.Lines().end() - static_cast<std::ptrdiff_t>(added);
         line != chat.Lines().end(); ++line) {
      ledger_.Read(*line);
    }
    linesRead_ = chat.LinesAdded();
  }

  FuzzClock clock_;
  PracticeChatClient client_;
  chat::testing::NoPause pause_;
  chat::ChatConnection connection_{&client_, L"slotscard", pause_};
  bool linkOpen_ = true;
  TableLedger ledger_;
  std::uint64_t linesRead_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  InputReader input(data, size);
  TableRun run(input.Byte());
  while (!input.AtEnd()) {
    run.Play(input);
  }
  run.Finish();
  return 0;
}
