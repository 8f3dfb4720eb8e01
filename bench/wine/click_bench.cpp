// Times one of the card's clicks over the chat text the stand-in library
// serves, with the card's own chat link code: the wadapi.dll adapter, the
// connection, the reader and the game action. The first click also shows
// how much resident memory it took at its peak and what it left behind.
// Usage: click_bench ACTION CLICKS, ACTION one of GetHost, FreeGame, Start,
// Final. Prints: ACTION median-ms min-ms peak-bytes left-bytes.
#include "bench_clock.h"

#include "chat/chat_connection.h"
#include "chat/chat_line_search.h"
#include "game/card_interfaces.h"
#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/host_lookup.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/wadapi_library.h"

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

struct Click {
  const wchar_t *name;
  std::function<void(game::CardModel &)> prepare;
  std::function<void(game::CardContext &)> run;
  std::function<bool(const game::CardModel &)> didItsWork;
};

const std::vector<Click> &Clicks() {
  static const std::vector<Click> clicks = {
      {L"GetHost", [](game::CardModel &) {}, game::GetHost,
       [](const game::CardModel &m) { return m.hostName == L"Dealer"; }},
      {L"FreeGame", [](game::CardModel &) {}, game::FreeGame,
       [](const game::CardModel &m) { return m.credits == L"250"; }},
      {L"Start",
       [](game::CardModel &m) {
         m.hostName = L"Dealer";
         m.registered = true;
       },
       game::Start,
       [](const game::CardModel &m) { return m.reels[2].tag == L"03"; }},
      {L"Final",
       [](game::CardModel &m) {
         m.hostName = L"Dealer";
         m.steps.final = true;
       },
       game::Final,
       [](const game::CardModel &m) { return m.credits == L"250"; }}};
  return clicks;
}

const Click *FindClick(const wchar_t *name) {
  for (const Click &click : Clicks()) {
    if (std::wcscmp(click.name, name) == 0)
      return &click;
  }
  return nullptr;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  const Click *click = argc == 3 ? FindClick(argv[1]) : nullptr;
  const int clicks = argc == 3 ? std::wcstol(argv[2], nullptr, 10) : 0;
  if (click == nullptr || clicks < 1) {
    std::fputs("usage: click_bench GetHost|FreeGame|Start|Final CLICKS\n",
               stderr);
    return 2;
  }
  const auto library =
      win32::LoadWadapiLibrary(std::filesystem::path(win32::ProgramFolder()) /
                               win32::kChatLibraryFileName);
  if (!library) {
    std::fputs("no wadapi.dll beside click_bench.exe\n", stderr);
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
    click->prepare(model);
    game::CardContext card{model, search, dialogs, sounds};
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
