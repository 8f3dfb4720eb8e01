// Times one of the card's clicks over the chat text the stand-in library
// serves, with the card's own chat link code: the wadapi.dll adapter, the
// connection, the reader and the game action. Each click is timed where a
// player makes it: a new game is played up to it, untimed, on a fresh card.
// Look is Start once more after the final, as waiting for the next game
// looks. Wait is a second of Wait For The Machinekeeper after the final:
// its two looks for the next game. The first click also shows how much
// resident memory it took at its peak and what it left behind.
// Usage: click_bench ACTION CLICKS, ACTION one of GetHost, FreeGame, Start,
// Holds, Final, Look, Wait. Prints: ACTION median-ms min-ms peak-bytes
// left-bytes.
#include "bench_clock.h"

#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "game/card_interfaces.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/holds.h"
#include "game/host_lookup.h"
#include "game/machinekeeper_wait.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/wadapi_library.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace slots;

class YesDialogs final : public game::CardDialogs {
public:
  int ShowYesNoBox(const std::wstring &, const std::wstring &) override {
    return kAnswerYes;
  }
  void ShowNotice(const std::wstring &, const std::wstring &) override {}
};

class SilentSounds final : public game::CardSounds {
public:
  void PlayStartSound() override {}
  void PlayHoldSound() override {}
  void PlayFinalSound(game::Outcome) override {}
};

class StillClock final : public game::WaitClock {
public:
  std::chrono::milliseconds now{0};
  std::chrono::milliseconds Now() const override { return now; }
};

// One second of waiting for the next game: the Start that found none, and
// the look half a second later.
void WaitOneSecond(game::CardContext &card) {
  card.model.options.waitForMachinekeeper = true;
  StillClock clock;
  game::MachinekeeperWait wait(clock);
  wait.ClickStart(card);
  clock.now += game::MachinekeeperWait::kLookEvery;
  wait.Tick(card);
}

struct Click {
  const wchar_t *name;
  std::function<void(game::CardContext &)> run;
  std::function<bool(const game::CardModel &)> didItsWork;
};

// A game's clicks in the order a player makes them.
const std::vector<Click> &GameClicks() {
  static const std::vector<Click> clicks = {
      {L"GetHost", game::GetHost,
       [](const game::CardModel &m) { return m.hostName == L"Dealer"; }},
      {L"FreeGame", game::FreeGame,
       [](const game::CardModel &m) { return m.credits == L"250"; }},
      {L"Start", game::Start,
       [](const game::CardModel &m) {
         return m.reels[2].tag == L"03" && m.steps.espHolds;
       }},
      {L"Holds", game::EspHolds,
       [](const game::CardModel &m) { return m.steps.final; }},
      {L"Final", game::Final,
       [](const game::CardModel &m) {
         return m.credits == L"250" && m.steps.start;
       }},
      {L"Look", game::Start,
       [](const game::CardModel &m) {
         return m.reels[2].tag == L"01" && m.steps.start;
       }},
      {L"Wait", WaitOneSecond, [](const game::CardModel &m) {
         return m.reels[2].tag == L"01" && m.steps.start;
       }}};
  return clicks;
}

std::size_t FindClick(const wchar_t *name) {
  const std::vector<Click> &clicks = GameClicks();
  for (std::size_t i = 0; i < clicks.size(); ++i) {
    if (std::wcscmp(clicks[i].name, name) == 0)
      return i;
  }
  return clicks.size();
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  const std::size_t timed =
      argc == 3 ? FindClick(argv[1]) : GameClicks().size();
  const int clicks = argc == 3 ? std::wcstol(argv[2], nullptr, 10) : 0;
  if (timed == GameClicks().size() || clicks < 1) {
    std::fputs("usage: click_bench GetHost|FreeGame|Start|Holds|Final|Look|"
               "Wait CLICKS\n",
               stderr);
    return 2;
  }
  const Click *click = &GameClicks()[timed];
  const auto library =
      win32::LoadWadapiLibrary(std::filesystem::path(win32::ProgramFolder()) /
                               win32::kChatLibraryFileName);
  if (!library) {
    std::fputs("no wadapi.dll beside click_bench.exe\n", stderr);
    return 1;
  }
  const auto newGame = reinterpret_cast<void(__stdcall *)()>(
      reinterpret_cast<void *>(GetProcAddress(
          GetModuleHandleW(win32::kChatLibraryFileName), "BenchNewGame")));
  if (newGame == nullptr) {
    std::fputs("the wadapi.dll beside click_bench.exe is no bench library\n",
               stderr);
    return 1;
  }
  chat::SleepingRepeatPause pause;
  chat::ChatConnection connection(library.get(), L"slotscard", pause);
  connection.OpenLink();
  chat::ChatLineSearch search(connection);
  YesDialogs dialogs;
  SilentSounds sounds;

  std::vector<double> times;
  bench::ResidentMemory before;
  bench::ResidentMemory after;
  for (int round = 0; round < clicks; ++round) {
    game::CardModel model;
    game::CardContext card{model, search, dialogs, sounds};
    newGame();
    for (std::size_t earlier = 0; earlier < timed; ++earlier)
      GameClicks()[earlier].run(card);
    if (round == 0)
      before = bench::ReadResidentMemory();
    const double start = bench::NowMilliseconds();
    click->run(card);
    times.push_back(bench::NowMilliseconds() - start);
    if (round == 0)
      after = bench::ReadResidentMemory();
    if (!click->didItsWork(model)) {
      std::fprintf(stderr, "%ls did not find its line\n", click->name);
      return 1;
    }
  }
  connection.CloseLink();
  std::printf("%ls %.2f %.2f %zu %zu\n", click->name, bench::Median(times),
              bench::Minimum(times), after.peak - before.now,
              after.now > before.now ? after.now - before.now : 0);
  return 0;
}
