// What one click holds on the heap while it reads a long chat: the delivered
// text once, as characters or as the library's bytes, walked in place, and
// nothing of it once the click is over.
#include "counting_allocator.h"

#include "chat/iconv_text_decoder.h"

#include "game/final_spin.h"
#include "game/first_spin.h"
#include "game/host_lookup.h"
#include "game/payout_table.h"
#include "game_fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace slots::game {
namespace {

using slots::testing::LiveHeapBytes;
using slots::testing::PeakHeapBytes;
using slots::testing::StartPeakCount;
using testing::EspFrom;
using testing::FinalSpinLine;
using testing::FirstSpinLine;

constexpr std::size_t kChatCharacters = 10 << 20;

// The machinekeeper's lines are the oldest, so every walk covers the whole
// text: a game dealt after the last one's final, its holds sent.
std::wstring MakeLongChat() {
  std::wstring chat = testing::JoinLines(
      {L"Dealer: Your machinekeeper is Dealer",
       L"Dealer: Amount of credits you get: 250",
       L"Dealer: Payouts:1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16",
       FinalSpinLine(L"01", L"01", L"01", L"250"),
       FirstSpinLine(L"01", L"02", L"03"), L"ESP to Dealer: I hold 1,0,1"});
  while (chat.size() < kChatCharacters)
    chat += L"\r\nAnn: just chatting about the weather, and you?";
  return chat;
}

const std::wstring &LongChat() {
  static const std::wstring chat = MakeLongChat();
  return chat;
}

// The same chat as the library's bytes: its characters are all below 0x80.
const std::string &LongChatBytes() {
  static const std::string bytes(LongChat().begin(), LongChat().end());
  return bytes;
}

// A chat client that hands over a fresh copy of its long text on each
// fetch, as the library adapter hands over the text: converted, or as bytes
// when there is a decoder.
class LongChatLibrary final : public chat::ChatLibrary {
public:
  const std::wstring &chat = LongChat();
  const chat::ChatTextDecoder *decoder = nullptr;
  int fetches = 0;

  std::int16_t InitDDE(const std::wstring &,
                       chat::ChatCallbacks &callbacks) override {
    callbacks_ = &callbacks;
    return 0;
  }
  void KillDDE() override {}
  void DapiRegister(const std::wstring &) override {}
  void DapiCommunicate(const std::wstring &, std::int16_t, const std::wstring &,
                       const std::wstring &) override {
    callbacks_->DapiStatusCallback(L"0");
  }
  void DapiGetAllText(const std::wstring &) override {
    ++fetches;
    if (decoder != nullptr)
      callbacks_->DapiTextCallback(LongChatBytes(), *decoder);
    else
      callbacks_->DapiTextCallback(chat);
    callbacks_->DapiStatusCallback(L"0");
  }

private:
  chat::ChatCallbacks *callbacks_ = nullptr;
};

struct ClickCase {
  const char *name;
  std::function<void(CardModel &)> prepare;
  std::function<void(CardContext &)> click;
  std::function<bool(const CardModel &)> didItsWork;
  // Free Game looks again after its message: the host may answer at once.
  int fetches = 1;
  friend void PrintTo(const ClickCase &c, std::ostream *os) { *os << c.name; }
};

class ClickMemory : public ::testing::TestWithParam<ClickCase> {
protected:
  ClickMemory() { connection.OpenLink(); }

  LongChatLibrary library;
  testing::NoPause pause;
  chat::ChatConnection connection{&library, L"slotscard", pause};
  chat::ChatLineSearch search{connection};
  CardModel model;
  testing::FakeDialogs dialogs;
  testing::FakeSounds sounds;
  CardContext card{model, search, dialogs, sounds};

  // Runs the click and checks that it held the text of `textBytes` once at
  // most, and nothing of it afterwards.
  void ExpectTheTextHeldOnce(std::size_t textBytes) {
    GetParam().prepare(model);
    // The payout window and the reels get their first texts outside the
    // count: they stay whatever the chat's size.
    ApplyPayoutLine(model, DefaultPayoutLine);
    const std::size_t before = LiveHeapBytes();
    StartPeakCount();

    GetParam().click(card);

    EXPECT_TRUE(GetParam().didItsWork(model));
    EXPECT_EQ(library.fetches, GetParam().fetches);
    EXPECT_LE(PeakHeapBytes() - before, textBytes + textBytes / 10)
        << "text of " << textBytes << " bytes";
    EXPECT_LE(LiveHeapBytes(), before + 1024) << "held after the click";
  }
};

TEST_P(ClickMemory, HoldsTheTextOnceAndNothingAfterwards) {
  ExpectTheTextHeldOnce(library.chat.size() * sizeof(wchar_t));
}

TEST_P(ClickMemory, HoldsTheLibrarysBytesOnceAndNothingAfterwards) {
  const slots::testing::IconvTextDecoder cp1252("CP1252");
  library.decoder = &cp1252;
  ExpectTheTextHeldOnce(LongChatBytes().size());
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ClickMemory,
    ::testing::Values(
        ClickCase{"GetHost", [](CardModel &) {}, GetHost,
                  [](const CardModel &m) { return m.hostName == L"Dealer"; }},
        ClickCase{"FreeGame", [](CardModel &) {}, FreeGame,
                  [](const CardModel &m) {
                    return m.credits == L"250" && m.payouts.values[0] == L"1";
                  },
                  2},
        ClickCase{"Start",
                  [](CardModel &m) {
                    m.hostName = L"Dealer";
                    m.registered = true;
                  },
                  Start,
                  [](const CardModel &m) { return m.reels[2].tag == L"03"; }},
        ClickCase{"Final",
                  [](CardModel &m) {
                    m.hostName = L"Dealer";
                    m.steps.final = true;
                  },
                  Final, [](const CardModel &m) { return m.credits == L"250"; },
                  2}),
    [](const ::testing::TestParamInfo<ClickCase> &info) {
      return std::string(info.param.name);
    });

} // namespace
} // namespace slots::game
