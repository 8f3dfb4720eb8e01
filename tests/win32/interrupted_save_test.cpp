// A card ended by TerminateProcess while it saves leaves the settings file
// as it was before that save or as that save meant it, never a mix of the
// two and never empty. A child process saves by turns through the card's
// settings code and is terminated at a different moment each round.
#include "saved_settings_sets.h"
#include "shell/settings_store.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/windows_settings_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 24;
// How long the child saves before it is ended, at most, beyond its first
// round: spread evenly over the rounds.
constexpr DWORD kLongestSavingMs = 60;
constexpr DWORD kStartTimeoutMs = 20000;

std::string ReadBytes(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in),
                     std::istreambuf_iterator<char>());
}

struct ChildProcess {
  UniqueKernelHandle process;
  UniqueKernelHandle thread;
};

class InterruptedSaveTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("slots_interrupted_save_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  fs::path File() const { return folder_ / "slots.ini"; }

  std::string BytesAfterSaving(std::span<const shell::IniEntry> entries) {
    shell::IniSettingsStore settings(File(), files_);
    settings.WriteAll(entries);
    return ReadBytes(File());
  }

  // Starts the saving child and waits until it has saved once.
  ChildProcess StartSavingChild(HANDLE started, const std::wstring &event) {
    std::wstring command = L"\"" + ProgramFolder() + L"\\" +
                           SETTINGS_SAVER_EXE + L"\" \"" + File().wstring() +
                           L"\" " + event;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &info)) {
      return {};
    }
    ChildProcess child{UniqueKernelHandle(info.hProcess),
                       UniqueKernelHandle(info.hThread)};
    const HANDLE waits[] = {started, child.process.Get()};
    if (WaitForMultipleObjects(2, waits, FALSE, kStartTimeoutMs) !=
        WAIT_OBJECT_0) {
      TerminateProcess(child.process.Get(), 1);
      return {};
    }
    return child;
  }

  fs::path folder_;
  WindowsSettingsFileAccess files_;
};

TEST_F(InterruptedSaveTest, TerminatedSaverLeavesTheOldOrTheNewSettingsWhole) {
  // Notes of the player's own make each save long enough to be cut in the
  // middle of its writing.
  std::ofstream(File(), std::ios::binary)
      << "[Notes]\r\nText=" << std::string(48 * 1024, 'n') << "\r\n";
  const std::string newBytes = BytesAfterSaving(win32_test::kNewSettings);
  const std::string oldBytes = BytesAfterSaving(win32_test::kOldSettings);
  const std::wstring event =
      L"slots_saver_started_" + std::to_wstring(GetCurrentProcessId());
  const UniqueKernelHandle started(
      CreateEventW(nullptr, TRUE, FALSE, event.c_str()));
  ASSERT_TRUE(started);
  int oldSeen = 0;
  int newSeen = 0;

  for (int round = 0; round < kRounds; ++round) {
    ResetEvent(started.Get());
    const ChildProcess child = StartSavingChild(started.Get(), event);
    ASSERT_TRUE(child.process) << "the saving child did not start saving";
    Sleep(kLongestSavingMs * static_cast<DWORD>(round) / kRounds);
    ASSERT_TRUE(TerminateProcess(child.process.Get(), 1));
    ASSERT_EQ(WaitForSingleObject(child.process.Get(), kStartTimeoutMs),
              WAIT_OBJECT_0);

    const std::string left = ReadBytes(File());
    ASSERT_TRUE(left == oldBytes || left == newBytes)
        << "round " << round << ": " << left.size() << " bytes, neither set";
    (left == oldBytes ? oldSeen : newSeen) += 1;
  }
  // Both outcomes came up, so the ends fell at different points of a save.
  EXPECT_GT(oldSeen, 0);
  EXPECT_GT(newSeen, 0);
}

} // namespace
} // namespace slots::win32
