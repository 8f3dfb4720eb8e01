// The chat client's library is closed and may misbehave in any way: busy or
// silent forever, callbacks that never come or come twice or with nothing,
// codes and texts no client should send, an export missing or no library at
// all. With each fault the real card's buttons must return in time, its
// window must go on answering, and once the fault is gone the card must play
// a whole game as if nothing had happened.
#include "card_ui_driver.h"
#include "practice_table_steps.h"

#include "win32/card/card_control_ids.h"
#include "win32/practice/practice_window_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace slots::ui_test {
namespace {

using namespace slots::win32;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Reels = std::array<std::wstring, 3>;

// One click may spend 2 s in the chat library and its waits; the rest is
// room for Wine and a shared, loaded machine.
constexpr milliseconds kLongestClick{2500};
// A window that answers nothing for 5 s is "Not Responding"; one that
// answers at all answers an empty message at once.
constexpr milliseconds kAnswerPatience{1000};
constexpr milliseconds kPressPoll{5};

constexpr std::size_t kBigChatBytes = 50u * 1024 * 1024;

const std::vector<std::string> kTableChat = {
    "Ann: Welcome to the slots table!",
    "Ann: Your machinekeeper is Ann",
    "Ann: Amount of credits you get: 250",
    "Ann: Payouts:30000:12000:6000:3000:1500:800:700:600:500:450:350:"
    "320:310:305:250:150",
};
constexpr char kFirstSpinLine[] = "ESP from Ann: FIRST:[1]01[2]02[3]03:";

std::string ChatText(const std::vector<std::string> &lines) {
  std::string text;
  for (const std::string &line : lines) {
    text += line + "\r\n";
  }
  return text;
}

enum class Press {
  GetHost,
  FreeGame,
  Start,
  HoldFirstReel,
  EspHolds,
  Final,
  Reset
};

struct Control {
  int id;
  bool label;
  const char *name;
};

Control ControlFor(Press press) {
  switch (press) {
  case Press::GetHost:
    return {kCommand3, false, "Get Host"};
  case Press::FreeGame:
    return {kLabel2, true, "Free Game"};
  case Press::Start:
    return {kCommand1, false, "Start"};
  case Press::HoldFirstReel:
    return {kLabel8, true, "HOLD 1"};
  case Press::EspHolds:
    return {kCommand5, false, "ESP Holds"};
  case Press::Final:
    return {kCommand6, false, "Final"};
  case Press::Reset:
    return {kLabel3, true, "Reset"};
  }
  return {0, false, ""};
}

const std::vector<Press> kEveryPress = {
    Press::GetHost,  Press::FreeGame, Press::Start, Press::HoldFirstReel,
    Press::EspHolds, Press::Final,    Press::Reset};

bool Answers(const CardProcess &card) {
  DWORD_PTR ignored = 0;
  return !card.HasEnded() &&
         SendMessageTimeoutW(card.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kAnswerPatience.count()),
                             &ignored) != 0;
}

struct PressTiming {
  bool returned = false;
  // From the click to its return, less the time a question box waited for
  // the player.
  milliseconds held{0};
  // The longest the window took to answer a message sent meanwhile.
  milliseconds longestSilence{0};
};

// The card takes posted input only between clicks, so a menu choice posted
// behind a click is carried out once the click has returned; Stay On Top
// shows outside the card, in the window's style. A question box the click
// opens is answered Yes (else OK) at once: the choice posted behind the
// click reached the card inside the click and was dropped, so it is posted
// again behind the answer.
PressTiming TimePress(const CardProcess &card, Press press) {
  const Control control = ControlFor(press);
  HWND window = card.Window();
  PressTiming timing;
  bool topmostBefore = IsTopmost(window);
  auto segmentStart = Clock::now();
  if (control.label) {
    ClickLabel(card.Control(control.id));
  } else {
    ClickButton(card.Control(control.id));
  }
  ChooseMenuItem(window, kMnuStayOnTop);
  milliseconds counted{0};
  const auto giveUp = Clock::now() + kPatience;
  while (Clock::now() < giveUp && !card.HasEnded()) {
    const auto elapsed =
        std::chrono::duration_cast<milliseconds>(Clock::now() - segmentStart);
    if (IsTopmost(window) != topmostBefore) {
      timing.held = counted + elapsed;
      timing.returned = true;
      break;
    }
    const std::vector<HWND> boxes = card.WindowsOfCard(kMessageBoxClass);
    if (!boxes.empty()) {
      counted += elapsed;
      const std::vector<int> buttons = MessageBoxButtons(boxes.front());
      const bool asks = std::ranges::find(buttons, IDYES) != buttons.end();
      topmostBefore = IsTopmost(window);
      segmentStart = Clock::now();
      AnswerMessageBox(boxes.front(), asks ? IDYES : IDOK);
      ChooseMenuItem(window, kMnuStayOnTop);
      WaitFor([&] { return !IsWindow(boxes.front()); }, kPatience, kPressPoll);
      continue;
    }
    const auto sent = Clock::now();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                        static_cast<UINT>(kPatience.count()), &ignored);
    timing.longestSilence =
        std::max(timing.longestSilence,
                 std::chrono::duration_cast<milliseconds>(Clock::now() - sent));
    std::this_thread::sleep_for(kPressPoll);
  }
  return timing;
}

// Every click of a test and its longest silence, for its report line.
struct PressRecord {
  std::string clicks;
  milliseconds longestSilence{0};
};

void PressPromptly(const CardProcess &card, Press press, PressRecord &record) {
  const PressTiming timing = TimePress(card, press);
  const char *name = ControlFor(press).name;
  ASSERT_TRUE(timing.returned) << name << " never returned";
  EXPECT_LE(timing.held, kLongestClick) << name;
  EXPECT_TRUE(Answers(card)) << "the window no longer answers after " << name;
  record.clicks += std::string(record.clicks.empty() ? "" : ", ") + name + " " +
                   std::to_string(timing.held.count());
  record.longestSilence =
      std::max(record.longestSilence, timing.longestSilence);
}

void PressEach(const CardProcess &card, const std::vector<Press> &presses,
               PressRecord &record) {
  for (const Press press : presses) {
    ASSERT_NO_FATAL_FAILURE(PressPromptly(card, press, record));
  }
}

void PrintRecord(const std::string &fault, const PressRecord &record) {
  std::printf("%s: clicks in ms: %s; longest silence %lld ms\n", fault.c_str(),
              record.clicks.c_str(),
              static_cast<long long>(record.longestSilence.count()));
}

// A spot inside the label's border, beside its centred caption.
bool ShowsRed(HWND label) {
  const RECT rect = ScreenRect(label);
  return ScreenPixel(POINT{rect.left + 3, rect.top + 3}) == RGB(255, 0, 0);
}

Reels ReelsShown(const CardProcess &card) {
  return {TextOf(card.Control(kLblS1)), TextOf(card.Control(kLblS2)),
          TextOf(card.Control(kLblS3))};
}

// From wherever the fault left the card: Reset if it may, Free Game with the
// registration, Start, a hold, ESP Holds and Final, each seen as the player
// sees it.
void PlayNormalGame(CardFolder &folder, const CardProcess &card,
                    PressRecord &record) {
  folder.WriteChat(kTableChat);
  if (IsEnabled(card.Control(kLabel3))) {
    ASSERT_NO_FATAL_FAILURE(PressPromptly(card, Press::Reset, record));
  }
  ASSERT_TRUE(IsEnabled(card.Control(kLabel2)));
  ASSERT_NO_FATAL_FAILURE(PressPromptly(card, Press::FreeGame, record));
  EXPECT_EQ(TextOf(card.Control(kTxtHostname)), L"Ann");
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Ann", "Register me!"}));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");

  folder.AppendChatLine("ESP from Ann: FIRST:[1]05[2]09[3]14:");
  ASSERT_NO_FATAL_FAILURE(PressPromptly(card, Press::Start, record));
  ASSERT_EQ(ReelsShown(card), (Reels{L"Gold Bar", L"Bar", L"Cherry"}));
  // A hold made while the fault lasted stays until the game's end.
  if (!ShowsRed(card.Control(kLabel8))) {
    ASSERT_NO_FATAL_FAILURE(PressPromptly(card, Press::HoldFirstReel, record));
  }
  ASSERT_NO_FATAL_FAILURE(PressPromptly(card, Press::EspHolds, record));
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", "Ann", "I hold 1,0,0"}));

  folder.AppendChatLine("ESP from Ann: FINAL:[1]05[2]05[3]05:C=1234.");
  ASSERT_NO_FATAL_FAILURE(PressPromptly(card, Press::Final, record));
  EXPECT_EQ(ReelsShown(card), (Reels{L"Gold Bar", L"Gold Bar", L"Gold Bar"}));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"1234");
  EXPECT_TRUE(IsEnabled(card.Control(kCommand1)));
}

// A fault of the stand-in library, made before the card starts.
struct ChatFault {
  std::string name;
  std::function<void(CardFolder &)> make;
  // What Get Host finds while the fault lasts: the library's text may still
  // arrive, or never.
  std::wstring hostFound;
  std::vector<Press> presses = kEveryPress;
};

void PrintTo(const ChatFault &fault, std::ostream *out) { *out << fault.name; }

std::function<void(CardFolder &)> Statuses(const std::string &script) {
  return [script](CardFolder &folder) { folder.WriteChatStatuses(script); };
}

std::function<void(CardFolder &)> Callbacks(const std::string &fault) {
  return [fault](CardFolder &folder) { folder.WriteChatCallbacks(fault); };
}

// Stray talk before the table's lines, then the table, up to 50 MB.
void WriteBigChat(CardFolder &folder) {
  const std::string talk =
      "Bob: just passing through, nothing to see here, carry on\r\n";
  const std::string table = ChatText(kTableChat) + kFirstSpinLine + "\r\n";
  std::string text;
  text.reserve(kBigChatBytes);
  while (text.size() + talk.size() + table.size() <= kBigChatBytes) {
    text += talk;
  }
  text += table;
  folder.WriteChatBytes(text);
}

void WriteChatWithNuls(CardFolder &folder) {
  std::string text = ChatText(kTableChat);
  text += std::string("Bob: one\0two\0\0three", 19) + "\r\n";
  text += std::string(kFirstSpinLine) + "\r\n";
  folder.WriteChatBytes(text);
}

// Bytes that Windows-1252 leaves undefined, and every byte from 0x80 up, in
// a stranger's lines between the table's.
void WriteChatWithBytesOutsideTheCodePage(CardFolder &folder) {
  std::string every;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    every += static_cast<char>(byte);
  }
  std::vector<std::string> lines = {"\x81\x8D: Your machinekeeper is \x8F",
                                    "Bob: \x81\x8D\x8F\x90\x9D"};
  lines.insert(lines.end(), kTableChat.begin(), kTableChat.end());
  lines.push_back("Bob: " + every);
  lines.push_back(kFirstSpinLine);
  folder.WriteChatBytes(ChatText(lines));
  std::printf("system code page %u\n", GetACP());
}

class ChatLibraryFaultsUi : public ::testing::TestWithParam<ChatFault> {
protected:
  // The 50 MB chat text must not stay behind, even after a failure.
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove(DriverFolder() / L"ui_scratch" /
                                ("fault_" + GetParam().name) /
                                L"standin_chat.txt",
                            ignored);
  }
};

TEST_P(ChatLibraryFaultsUi, ClicksReturnInTimeAndTheCardPlaysOnAfterwards) {
  const ChatFault &fault = GetParam();
  CardFolder folder("fault_" + fault.name);
  folder.WriteChat(kTableChat);
  folder.AppendChatLine(kFirstSpinLine);
  fault.make(folder);
  PressRecord record;
  {
    CardProcess card(folder);
    ASSERT_NE(card.Window(), nullptr);
    ASSERT_NO_FATAL_FAILURE(PressEach(card, {fault.presses.front()}, record));
    EXPECT_EQ(TextOf(card.Control(kTxtHostname)), fault.hostFound);
    ASSERT_NO_FATAL_FAILURE(PressEach(
        card, {fault.presses.begin() + 1, fault.presses.end()}, record));
    PrintRecord(fault.name, record);

    folder.WriteChatStatuses("");
    folder.WriteChatCallbacks("");
    PressRecord normal;
    ASSERT_NO_FATAL_FAILURE(PlayNormalGame(folder, card, normal));
    PrintRecord("then a normal game", normal);
    ASSERT_TRUE(card.Close());
  }
  const auto calls = folder.ChatCalls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back(), std::vector<std::string>{"KillDDE"});
}

INSTANTIATE_TEST_SUITE_P(
    StandIn, ChatLibraryFaultsUi,
    ::testing::Values(
        ChatFault{"Busy6Forever", Statuses("6...\n"), L"Ann"},
        ChatFault{"Register10Forever", Statuses("10...\n"), L"Ann"},
        ChatFault{"NoStatusEver", Statuses("none...\n"), L"Ann"},
        ChatFault{"EmptyStatus", Statuses("empty...\n"), L"Ann"},
        ChatFault{"StatusOf300Digits",
                  Statuses(std::string(300, '7') + "...\n"), L"Ann"},
        ChatFault{"HugeNegativeStatus", Statuses("-99999999999...\n"), L"Ann"},
        ChatFault{"NoCallbacksEver", Callbacks("none"), L""},
        ChatFault{"TextCalledBackTwice", Callbacks("text-twice"), L"Ann"},
        ChatFault{"TextCalledBackWithNull", Callbacks("text-null"), L""},
        ChatFault{"ChatOf50MB",
                  WriteBigChat,
                  L"Ann",
                  {Press::GetHost, Press::FreeGame, Press::Start}},
        ChatFault{"NulBytesInTheText", WriteChatWithNuls, L"Ann"},
        ChatFault{"BytesOutsideTheCodePage",
                  WriteChatWithBytesOutsideTheCodePage, L"Ann"}),
    [](const ::testing::TestParamInfo<ChatFault> &info) {
      return info.param.name;
    });

// Without a usable chat library the card plays on the practice table, and
// says why in its first line.
void PlayOnThePracticeTable(const CardFolder &folder,
                            const std::wstring &reasonStart) {
  CardProcess card(folder, L"--practice-seed 11 --practice-pace fast");
  ASSERT_NE(card.Window(), nullptr);
  HWND practice = WaitForPracticeWindow(card);
  ASSERT_NE(practice, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(practice, kPracticeReason)).rfind(reasonStart, 0),
            0u);

  PressRecord record;
  ASSERT_NO_FATAL_FAILURE(PressEach(card, kEveryPress, record));
  PrintRecord("practice table", record);
  EXPECT_EQ(TextOf(card.Control(kTxtHostname)), L"Marlowe");

  // The presses ended with Reset: Free Game registers again, and the
  // machinekeeper tells the balance the game goes on from.
  ASSERT_NO_FATAL_FAILURE(RegisterWithFreeGame(card));
  const std::optional<int> balance = CreditsShown(card);
  ASSERT_TRUE(balance.has_value());
  int credits = *balance;
  ASSERT_NO_FATAL_FAILURE(
      PlayOneFastPracticeGame(card, {true, false, true}, credits));
  ASSERT_TRUE(card.Close());
}

TEST(ChatLibraryAbsentUi, LibraryWithoutAnExportLeavesTheCardOnThePractice) {
  CardFolder folder("missing_export");
  folder.UseChatLibrary(STANDIN_WADAPI_NO_GET_ALL_TEXT_DLL);
  ASSERT_NO_FATAL_FAILURE(PlayOnThePracticeTable(
      folder, L"The wadapi.dll at " +
                  (folder.Path() / L"wadapi.dll").wstring() +
                  L" is not a chat client's library the card can use"));
  // A library short of a function is never called at all.
  EXPECT_TRUE(folder.ChatCalls().empty());
}

TEST(ChatLibraryAbsentUi, NoLibraryLeavesTheCardOnThePracticeTable) {
  CardFolder folder("missing_library", false);
  ASSERT_NO_FATAL_FAILURE(PlayOnThePracticeTable(
      folder, L"No wadapi.dll was found beside slotscard.exe"));
}

} // namespace
} // namespace slots::ui_test
