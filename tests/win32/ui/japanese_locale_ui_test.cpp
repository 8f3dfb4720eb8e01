// The card on a Japanese Windows (code page 932): names in Shift-JIS, whose
// second bytes may be "\" and "[", go back to the machinekeeper byte for
// byte, and the Japanese font's wider "Credits:" still shows beside a
// three-digit balance.
#include "card_ui_driver.h"
#include "win32/card/card_control_ids.h"

#include <gtest/gtest.h>

namespace slots::ui_test {
namespace {

using namespace slots::win32;

// "\u30bd\u30fc\u30bc\u8868": trail bytes 0x5C, 0x5B, 0x5B, 0x5C.
const std::string kHostBytes = "\x83\x5c\x81\x5b\x83\x5b\x95\x5c";
const std::wstring kHostName = L"\u30bd\u30fc\u30bc\u8868";

std::size_t MessagesSent(const CardFolder &folder) {
  std::size_t sent = 0;
  for (const auto &call : folder.ChatCalls()) {
    sent += !call.empty() && call.front() == "DapiCommunicate";
  }
  return sent;
}

bool CreditsCaptionShown(const CardProcess &card) {
  return IsWindowVisible(card.Control(kLabel1)) != FALSE;
}

TEST(JapaneseLocaleUi, PlaysAGameWithAShiftJisHost) {
  if (GetACP() != 932) {
    GTEST_SKIP() << "system code page is " << GetACP();
  }
  CardFolder folder("japanese_host");
  folder.WriteChat({kHostBytes + ": Your machinekeeper is " + kHostBytes,
                    kHostBytes + ": Amount of credits you get: 250"});
  CardProcess card(folder);
  ASSERT_NE(card.Window(), nullptr);
  EXPECT_TRUE(CreditsCaptionShown(card));

  ClickLabel(card.Control(kLabel2));
  HWND question =
      card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(WaitFor([&] { return !IsEnabled(card.Control(kLabel2)); }));
  EXPECT_EQ(TextOf(card.Control(kTxtHostname)), kHostName);
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", kHostBytes, "Register me!"}));
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"250");
  EXPECT_TRUE(CreditsCaptionShown(card));

  folder.AppendChatLine("ESP from " + kHostBytes + ": FIRST:[1]05[2]09[3]14:");
  ClickButton(card.Control(kCommand1));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand5)); }));
  EXPECT_EQ(TextOf(card.Control(kLblS3)), L"Cherry");
  ClickLabel(card.Control(kLabel8));
  ClickButton(card.Control(kCommand5));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand6)); }));
  EXPECT_TRUE(folder.HasChatCall(
      {"DapiCommunicate", "slotscard", "2", kHostBytes, "I hold 1,0,0"}));

  folder.AppendChatLine("ESP from " + kHostBytes +
                        ": FINAL:[1]05[2]02[3]14:$(240)");
  ClickButton(card.Control(kCommand6));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kCommand1)); }));
  EXPECT_EQ(TextOf(card.Control(kLblS2)), L"Grape");
  EXPECT_EQ(TextOf(card.Control(kLblCredit)), L"240");
  EXPECT_TRUE(CreditsCaptionShown(card));
  SaveScreenshot(card.Window(), L"card_japanese_after_final");

  // A name the code page cannot write is never sent, not even to a
  // look-alike.
  ClickLabel(card.Control(kLabel3));
  ASSERT_TRUE(WaitFor([&] { return IsEnabled(card.Control(kLabel2)); }));
  const std::size_t sent = MessagesSent(folder);
  SendMessageW(card.Control(kTxtHostname), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"D\u0101ler"));
  ClickLabel(card.Control(kLabel2));
  question = card.WaitForWindowOfCard(kMessageBoxClass, L"ESP Registration?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDYES);
  ASSERT_TRUE(WaitFor([&] { return !IsEnabled(card.Control(kLabel2)); }));
  EXPECT_EQ(MessagesSent(folder), sent);
  ASSERT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
