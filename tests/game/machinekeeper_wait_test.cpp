#include "game/machinekeeper_wait.h"

#include "game/final_spin.h"
#include "game_fakes.h"

#include <gtest/gtest.h>

namespace slots::game {
namespace {

using std::chrono::milliseconds;
using testing::FinalSpinLine;
using testing::FirstSpinLine;

class FakeWaitClock final : public WaitClock {
public:
  milliseconds now{100'000};
  milliseconds Now() const override { return now; }
};

const std::wstring kLastFinal = FinalSpinLine(L"02", L"02", L"05", L"90");
const std::wstring kFirstSpin = FirstSpinLine(L"01", L"03", L"07");
const std::wstring kFinal = FinalSpinLine(L"01", L"01", L"01", L"250");

class MachinekeeperWaitTest : public testing::CardTest {
protected:
  MachinekeeperWaitTest() { model.options.waitForMachinekeeper = true; }

  // Lets time pass up to the next look, and runs it.
  WaitTick NextLook() {
    clock.now += wait.TimeToNextLook().value_or(milliseconds(0));
    return wait.Tick(card);
  }
  void OpenGameAndSendHolds() {
    EnterReadyToStart();
    library.SetChat({kLastFinal, kFirstSpin});
    wait.ClickStart(card);
    ASSERT_EQ(model.firstSpinLine, kFirstSpin);
    wait.ClickEspHolds(card);
  }

  FakeWaitClock clock;
  MachinekeeperWait wait{clock};
};

TEST_F(MachinekeeperWaitTest, StartWaitsForTheNextGameAndShowsItOnce) {
  EnterReadyToStart();
  library.SetChat({kFirstSpin, kLastFinal});
  wait.ClickStart(card);
  EXPECT_EQ(wait.Awaited(), AwaitedLine::FirstSpin);
  EXPECT_EQ(wait.TimeToNextLook(), milliseconds(500));
  clock.now += milliseconds(499);
  EXPECT_EQ(wait.Tick(card), WaitTick::Idle);
  EXPECT_EQ(library.fetches, 1);

  EXPECT_EQ(NextLook(), WaitTick::StillWaiting);
  EXPECT_EQ(library.fetches, 2);
  EXPECT_EQ(sounds.startSounds, 0);
  library.SetChat({kLastFinal, kFirstSpin});
  EXPECT_EQ(NextLook(), WaitTick::FirstSpinShown);
  EXPECT_EQ(model.firstSpinLine, kFirstSpin);
  EXPECT_EQ(model.steps, testing::kHoldsStep);
  EXPECT_EQ(sounds.startSounds, 1);
  EXPECT_EQ(wait.Awaited(), AwaitedLine::Nothing);
  EXPECT_FALSE(wait.TimeToNextLook());
  EXPECT_EQ(wait.Tick(card), WaitTick::Idle);
  EXPECT_EQ(library.fetches, 3);
}

TEST_F(MachinekeeperWaitTest, AStartClickThatFindsTheGameEndsTheWait) {
  EnterReadyToStart();
  library.SetChat({kFirstSpin, kLastFinal});
  wait.ClickStart(card);
  library.SetChat({kLastFinal, kFirstSpin});
  wait.ClickStart(card);
  EXPECT_EQ(model.firstSpinLine, kFirstSpin);
  EXPECT_EQ(wait.Awaited(), AwaitedLine::Nothing);
  EXPECT_FALSE(wait.CueCaption(model, 0));
}

TEST_F(MachinekeeperWaitTest, TheFinalShowsAfterTheHoldsWithoutAFinalClick) {
  OpenGameAndSendHolds();
  EXPECT_EQ(wait.Awaited(), AwaitedLine::Final);
  EXPECT_EQ(NextLook(), WaitTick::StillWaiting);
  // Final meanwhile changes nothing: no look, no notice.
  const int fetches = library.fetches;
  wait.ClickFinal(card);
  EXPECT_EQ(library.fetches, fetches);
  library.SetChat({kLastFinal, kFirstSpin, L"ESP to Dealer: I hold 0,0,0",
                   L"Ann: FINAL: soon", kFinal});
  EXPECT_EQ(NextLook(), WaitTick::FinalShown);
  EXPECT_EQ(model.credits, L"250");
  EXPECT_EQ(model.lastFinalLine, kFinal);
  EXPECT_EQ(sounds.finalSounds, std::vector<Outcome>{Outcome::Win});
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(ArrivedFinalText(model), L"Bell, Bell, Bell\r\nCredits: 250");
  // The game is over: Final is disabled, and pressing it starts no wait.
  wait.ClickFinal(card);
  EXPECT_EQ(wait.Awaited(), AwaitedLine::Nothing);
}

// Each way a wait ends, for each line waited for: nothing more is shown,
// and only a Final that waited in vain tells the player.
TEST_F(MachinekeeperWaitTest, AWaitEndsByResetClosingOrTheLongestWait) {
  enum class Ending { Stop, LongestWait, OptionOff };
  for (const bool forFinal : {false, true}) {
    for (const Ending ending :
         {Ending::Stop, Ending::LongestWait, Ending::OptionOff}) {
      SCOPED_TRACE(::testing::Message()
                   << forFinal << static_cast<int>(ending));
      model = CardModel{};
      model.options.waitForMachinekeeper = ending != Ending::OptionOff;
      dialogs.notices.clear();
      if (forFinal) {
        OpenGameAndSendHolds();
        wait.ClickFinal(card);
      } else {
        EnterReadyToStart();
        library.SetChat({kFirstSpin, kLastFinal});
        wait.ClickStart(card);
      }
      const CardModel waiting = model;
      int looks = 0;
      if (ending == Ending::Stop) {
        wait.Stop();
      }
      const milliseconds began = clock.now;
      WaitTick tick = WaitTick::StillWaiting;
      while (tick == WaitTick::StillWaiting && looks <= 120) {
        tick = NextLook();
        looks += tick != WaitTick::Idle;
      }
      const bool waited = ending == Ending::LongestWait;
      EXPECT_EQ(tick, waited ? WaitTick::GaveUp : WaitTick::Idle);
      EXPECT_EQ(looks, waited ? 120 : 0);
      EXPECT_EQ(clock.now - began,
                waited ? milliseconds(60'000) : milliseconds(0));
      EXPECT_EQ(model, waiting);
      const bool notice = forFinal && ending != Ending::Stop;
      EXPECT_EQ(dialogs.notices.size(), notice ? 1U : 0U);
      EXPECT_EQ(wait.Awaited(), AwaitedLine::Nothing);
      if (forFinal && waited) {
        // Final pressed again waits again, and tells nothing yet.
        wait.ClickFinal(card);
        EXPECT_EQ(wait.Awaited(), AwaitedLine::Final);
        EXPECT_EQ(dialogs.notices.size(), 1U);
        wait.Stop();
      }
    }
  }
}

TEST_F(MachinekeeperWaitTest, ReelsNotHeldTurnThroughTheSymbolsWhileWaiting) {
  OpenGameAndSendHolds();
  model.holds = {false, true, false};
  EXPECT_EQ(wait.CueCaption(model, 0), L"Bell");
  EXPECT_EQ(wait.CueCaption(model, 2), L"Lemon");
  EXPECT_FALSE(wait.CueCaption(model, 1));
  EXPECT_FALSE(wait.CueCaption(model, 3));
  clock.now += MachinekeeperWait::kCueStep * 14 - milliseconds(1);
  EXPECT_EQ(wait.CueCaption(model, 0), L"Cherry");
  clock.now += milliseconds(1);
  EXPECT_EQ(wait.CueCaption(model, 0), L"Bell");
  wait.Stop();
  EXPECT_FALSE(wait.CueCaption(model, 0));
}

// The chat client answers "busy" and each call takes a second: the next
// look comes half a second after this one ended, not at once.
TEST(MachinekeeperWaitBusyTest, ASlowLookPutsOffTheNext) {
  chat::testing::NoPause pause;
  chat::testing::ScriptedChatLibrary library;
  library.chatText = testing::JoinLines({kFirstSpin, kLastFinal});
  chat::ChatConnection connection{&library, L"slotscard", pause};
  connection.OpenLink();
  chat::ChatLineSearch search{connection};
  CardModel model;
  model.hostName = L"Dealer";
  model.registered = true;
  model.steps = testing::kReadyToStart;
  model.options.waitForMachinekeeper = true;
  testing::FakeDialogs dialogs;
  testing::FakeSounds sounds;
  CardContext card{model, search, dialogs, sounds};
  class PauseClock final : public WaitClock {
  public:
    explicit PauseClock(const chat::testing::NoPause &pause) : pause_(pause) {}
    milliseconds Now() const override {
      return std::chrono::duration_cast<milliseconds>(
          pause_.Now().time_since_epoch());
    }

  private:
    const chat::testing::NoPause &pause_;
  } clock(pause);
  MachinekeeperWait wait(clock);

  wait.ClickStart(card);
  pause.elapsed += *wait.TimeToNextLook();
  library.clock = &pause;
  library.callCost = milliseconds(1000);
  library.statuses = {L"6", L"6"};
  const milliseconds lookBegan = clock.Now();
  EXPECT_EQ(wait.Tick(card), WaitTick::StillWaiting);
  EXPECT_GT(clock.Now() - lookBegan, milliseconds(2000));
  EXPECT_EQ(wait.TimeToNextLook(), MachinekeeperWait::kLookEvery);
}

} // namespace
} // namespace slots::game
