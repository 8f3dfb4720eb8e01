// The real loader and the real stdcall callbacks against the stand-in chat
// library, copied into a scratch folder as the chat client's library.
#include "chat/chat_connection.h"
#include "win32/chat_link_choice.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/wadapi_library.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

class ChatLinkTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("slots_chat_link_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(fs::path(ProgramFolder()) / STANDIN_WADAPI_DLL,
                  folder_ / kChatLibraryFileName);
    library_ = LoadWadapiLibrary(folder_ / kChatLibraryFileName);
    ASSERT_NE(library_, nullptr);
    connection_ = std::make_unique<chat::ChatConnection>(library_.get(),
                                                         L"slotscard", pause_);
  }

  void TearDown() override {
    connection_.reset();
    library_.reset();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void WriteFixture(const char *name, const std::string &bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  // Status scripts are read when the link opens.
  void OpenLinkWithStatuses(const std::string &statuses) {
    WriteFixture("standin_status.txt", statuses);
    fs::remove(folder_ / "standin_calls.txt");
    ASSERT_TRUE(connection_->OpenLink());
  }

  std::vector<std::string> RecordedCalls() {
    std::ifstream file(folder_ / "standin_calls.txt", std::ios::binary);
    std::vector<std::string> calls;
    for (std::string line; std::getline(file, line);)
      calls.push_back(line);
    return calls;
  }

  fs::path folder_;
  chat::SleepingRepeatPause pause_;
  std::unique_ptr<chat::ChatLibrary> library_;
  std::unique_ptr<chat::ChatConnection> connection_;
};

// The stand-in's texts are bytes of Windows-1252, the code page of an
// English system and of Wine's default prefix.
bool SystemCodePageIsWestern() { return GetACP() == 1252; }

TEST_F(ChatLinkTest, FetchesTheWholeChatTextThroughTheCallbacks) {
  if (!SystemCodePageIsWestern())
    GTEST_SKIP() << "system code page is " << GetACP();
  WriteFixture("standin_chat.txt", "Ann: Your machinekeeper is Ann\r\n"
                                   "ESP from D\xe9"
                                   "aler: FIRST: 05  09  14  :\r\n\r\n\r\n");
  OpenLinkWithStatuses("");
  connection_->ChatGetAllText();
  EXPECT_EQ(connection_->DapiText().WholeText(),
            L"Ann: Your machinekeeper is Ann\r\n"
            L"ESP from D\u00e9aler: FIRST: 05  09  14  :");
  EXPECT_EQ(connection_->DapiStatus(), L"0");
}

TEST_F(ChatLinkTest, SendsPrivateMessagesInTheSystemCodePage) {
  if (!SystemCodePageIsWestern())
    GTEST_SKIP() << "system code page is " << GetACP();
  OpenLinkWithStatuses("");
  connection_->ChatSend(2, L"D\u00e9aler", L"I hold 1,0,1 \u00e0 vous");
  const auto calls = RecordedCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], "InitDDE\tslotscard");
  EXPECT_EQ(calls[1], "DapiCommunicate\tslotscard\t2\tD\xe9"
                      "aler\tI hold 1,0,1 \xe0 vous");
  EXPECT_EQ(connection_->DapiLastMessage().first, L"standin");
  EXPECT_EQ(connection_->DapiLastMessage().number, 7);
  EXPECT_EQ(connection_->DapiLastMessage().second, L"message");
}

TEST_F(ChatLinkTest, RegistersWhenAskedAndRepeats) {
  OpenLinkWithStatuses("10\n0\n");
  connection_->ChatGetAllText();
  const std::vector<std::string> expected = {
      "InitDDE\tslotscard", "DapiGetAllText\tslotscard",
      "DapiRegister\tslotscard", "DapiGetAllText\tslotscard"};
  EXPECT_EQ(RecordedCalls(), expected);
}

TEST_F(ChatLinkTest, RepeatsWhileBusy) {
  OpenLinkWithStatuses("6\n6\n6\n0\n");
  connection_->ChatSend(2, L"Dealer", L"Register me!");
  EXPECT_EQ(RecordedCalls().size(), 1u + 4u);
}

TEST_F(ChatLinkTest, NoStatusEndsTheRequest) {
  OpenLinkWithStatuses("none\n");
  connection_->ChatGetAllText();
  EXPECT_EQ(RecordedCalls().size(), 1u + 1u);
}

TEST_F(ChatLinkTest, BusyForeverGivesUpQuietly) {
  OpenLinkWithStatuses("6...\n");
  connection_->ChatGetAllText();
  EXPECT_EQ(RecordedCalls().size(),
            1u + chat::ChatConnection::kMaxCallsPerRequest);
}

TEST_F(ChatLinkTest, ClosingTheLinkIsRecorded) {
  OpenLinkWithStatuses("");
  connection_->CloseLink();
  EXPECT_EQ(RecordedCalls().back(), "KillDDE");
}

TEST_F(ChatLinkTest, FailedInitDDEIsReportedAsNoLink) {
  WriteFixture("standin_init_result.txt", "1");
  EXPECT_FALSE(connection_->OpenLink());
}

// Callbacks that record what reaches them and can be made to fail.
class RecordingCallbacks final : public chat::ChatCallbacks {
public:
  bool throwOnText = false;
  bool throwOnStatus = false;
  std::vector<std::wstring> statuses;
  int texts = 0;

  void DapiStatusCallback(std::wstring_view status) override {
    if (throwOnStatus)
      throw std::runtime_error("status");
    statuses.emplace_back(status);
  }
  void DapiMessageCallback(std::wstring_view, std::int16_t,
                           std::wstring_view) override {}
  void DapiTextCallback(std::wstring) override {
    ++texts;
    if (throwOnText)
      throw std::bad_alloc();
  }
};

TEST_F(ChatLinkTest, AFailingCallbackDropsOnlyItsRequest) {
  WriteFixture("standin_chat.txt", "Ann: hello\r\n");
  WriteFixture("standin_status.txt", "6...\n");
  RecordingCallbacks callbacks;
  callbacks.throwOnText = true;
  ASSERT_EQ(library_->InitDDE(L"slotscard", callbacks), 0);

  library_->DapiGetAllText(L"slotscard");
  EXPECT_EQ(callbacks.texts, 1);
  ASSERT_FALSE(callbacks.statuses.empty());
  EXPECT_EQ(callbacks.statuses.back(), L"-1");

  callbacks.throwOnText = false;
  callbacks.statuses.clear();
  library_->DapiGetAllText(L"slotscard");
  EXPECT_EQ(callbacks.texts, 2);
  EXPECT_EQ(callbacks.statuses, std::vector<std::wstring>{L"6"});

  callbacks.throwOnStatus = true;
  library_->DapiGetAllText(L"slotscard");
  EXPECT_EQ(callbacks.texts, 3);
  library_->KillDDE();
}

TEST_F(ChatLinkTest, TheCallbacksAreForgottenAtKillDDE) {
  WriteFixture("standin_keeps_callbacks.txt", "");
  WriteFixture("standin_chat.txt", "Ann: hello\r\n");
  RecordingCallbacks callbacks;
  ASSERT_EQ(library_->InitDDE(L"slotscard", callbacks), 0);
  library_->KillDDE();
  library_->DapiGetAllText(L"slotscard");
  EXPECT_EQ(callbacks.texts, 0);
  EXPECT_TRUE(callbacks.statuses.empty());
}

TEST_F(ChatLinkTest, AFailedInitDDEForgetsTheCallbacks) {
  WriteFixture("standin_init_result.txt", "1");
  WriteFixture("standin_chat.txt", "Ann: hello\r\n");
  RecordingCallbacks callbacks;
  ASSERT_NE(library_->InitDDE(L"slotscard", callbacks), 0);
  library_->DapiGetAllText(L"slotscard");
  EXPECT_EQ(callbacks.texts, 0);
  EXPECT_TRUE(callbacks.statuses.empty());
}

TEST_F(ChatLinkTest, NoRequestReachesTheLibraryAfterAFailedInitDDE) {
  WriteFixture("standin_init_result.txt", "1");
  fs::remove(folder_ / "standin_calls.txt");
  ASSERT_FALSE(connection_->OpenLink());
  connection_->ChatGetAllText();
  connection_->ChatSend(2, L"Dealer", L"Register me!");
  connection_->CloseLink();
  EXPECT_EQ(RecordedCalls(), std::vector<std::string>{"InitDDE\tslotscard"});
}

TEST_F(ChatLinkTest, ANameWithoutAnExactCodePageFormIsNeverSent) {
  if (!SystemCodePageIsWestern())
    GTEST_SKIP() << "system code page is " << GetACP();
  OpenLinkWithStatuses("");
  // Best fit would send this to "Daler", who is somebody else.
  connection_->ChatSend(2, L"D\u0101ler", L"I hold 1,0,1");
  connection_->ChatSend(2, L"Dealer\U0001F3B0", L"I hold 1,0,1");
  // Where the code page is UTF-8 this stands for bytes that did not convert
  // when the name was read from the chat: never the same name again.
  connection_->ChatSend(2, L"Deal\uFFFDer", L"I hold 1,0,1");
  EXPECT_EQ(RecordedCalls(), std::vector<std::string>{"InitDDE\tslotscard"});
  EXPECT_EQ(connection_->DapiStatus(), L"-1");

  connection_->ChatSend(2, L"D\u00e9aler", L"I hold 1,0,1");
  ASSERT_EQ(RecordedCalls().size(), 2u);
  EXPECT_EQ(RecordedCalls()[1], "DapiCommunicate\tslotscard\t2\tD\xe9"
                                "aler\tI hold 1,0,1");
}

TEST(ChatLibraryLoader, MissingLibraryMeansNoChatLink) {
  EXPECT_EQ(LoadWadapiLibrary(fs::temp_directory_path() / "no_such_dir" /
                              kChatLibraryFileName),
            nullptr);
}

TEST(ChatLibraryLoader, LibraryWithoutTheExportsMeansNoChatLink) {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(LoadWadapiLibrary(fs::path(system) / L"version.dll"), nullptr);
}

// Beside the program, then the system and Windows folders; a folder that
// cannot be named leaves no bare name for the current folder to answer.
TEST(ChatLibraryLoader, LooksBesideTheProgramThenInTheSystemFolders) {
  wchar_t system[MAX_PATH] = {}, windows[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::vector<fs::path> systemPlaces = {
      fs::path(system) / L"wadapi.dll", fs::path(windows) / L"wadapi.dll"};
  EXPECT_EQ(ChatLibraryPlaces(L""), systemPlaces);
  EXPECT_EQ(ChatLibraryPlaces(L"C:\\Chat").front(), L"C:\\Chat\\wadapi.dll");
}

} // namespace
} // namespace slots::win32
