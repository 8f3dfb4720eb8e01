// The settings file through the system's file calls: a save never writes
// into a file that was there before it, leaves nothing behind when it
// fails, and a file over 64 KB is neither read nor replaced.
#include "win32/platform/windows_settings_files.h"

#include "shell/ini_file.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kFixedStamp = 77;

void WriteBytes(const fs::path &file, const std::string &bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in),
                     std::istreambuf_iterator<char>());
}

// Who may do what with the file, as the system reports it.
std::string DaclBytes(const fs::path &file) {
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT,
                            DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                            nullptr, &descriptor) != ERROR_SUCCESS) {
    return "no permissions";
  }
  std::string bytes(reinterpret_cast<const char *>(dacl),
                    dacl == nullptr ? 0 : dacl->AclSize);
  LocalFree(descriptor);
  return bytes;
}

class SettingsFilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("slots_settings_files_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  fs::path File() const { return folder_ / "slots.ini"; }
  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
  WindowsSettingsFileAccess files_{[] { return kFixedStamp; }};
};

// What was set on the file itself, hiding it or who may use it, stays.
TEST_F(SettingsFilesTest, ReplaceWritesTheWholeFileAndLeavesNothingElse) {
  WriteBytes(File(), "old and longer");
  ASSERT_TRUE(SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_HIDDEN));
  // Everyone may do anything, and nothing is inherited from the folder.
  PSECURITY_DESCRIPTOR onlyEveryone = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:P(A;;GA;;;WD)", SDDL_REVISION_1, &onlyEveryone, nullptr));
  ASSERT_TRUE(SetFileSecurityW(File().c_str(), DACL_SECURITY_INFORMATION,
                               onlyEveryone));
  LocalFree(onlyEveryone);
  const std::string permissions = DaclBytes(File());

  EXPECT_TRUE(files_.ReplaceFileAtomically(File(), "[Main]\r\nX=1\r\n"));

  EXPECT_NE(GetFileAttributesW(File().c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(DaclBytes(File()), permissions);
  EXPECT_EQ(ReadBytes(File()), "[Main]\r\nX=1\r\n");
  EXPECT_EQ(files_.ReadWholeFile(File()), "[Main]\r\nX=1\r\n");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

// Another card saving at this moment, or one stopped while saving, holds
// the first temporary name: its file is neither written into nor removed.
TEST_F(SettingsFilesTest, TemporaryFileIsNeverOneThatExisted) {
  const fs::path taken = shell::TemporarySiblingPath(File(), kFixedStamp, 0);
  WriteBytes(taken, "another card's save");

  EXPECT_TRUE(files_.ReplaceFileAtomically(File(), "[Main]\r\nX=1\r\n"));

  EXPECT_EQ(ReadBytes(File()), "[Main]\r\nX=1\r\n");
  EXPECT_EQ(ReadBytes(taken), "another card's save");
  EXPECT_EQ(FolderContents().size(), 2u);
}

TEST_F(SettingsFilesTest, FailedReplaceLeavesNoTemporaryFileBehind) {
  fs::create_directory(File());

  EXPECT_FALSE(files_.ReplaceFileAtomically(File(), "[Main]\r\nX=1\r\n"));

  EXPECT_TRUE(fs::is_directory(File()));
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

TEST_F(SettingsFilesTest, ReadOnlyFileIsReadButNotReplaced) {
  WriteBytes(File(), "[Main]\r\nONTOP=0\r\n");
  ASSERT_TRUE(SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY));

  EXPECT_FALSE(shell::WriteIniValue("Main", "OnTop", "1", File(), files_));

  EXPECT_EQ(shell::ReadIniValue("Main", "OnTop", File(), files_), "0");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

TEST_F(SettingsFilesTest, FilesOver64KBAreNeitherReadNorReplaced) {
  const std::string largest(shell::kMaxSettingsFileSize, 'a');
  WriteBytes(File(), largest);
  EXPECT_EQ(files_.ReadWholeFile(File()), largest);

  const std::string oversized = "[Main]\r\nONTOP=0\r\n;" + largest;
  WriteBytes(File(), oversized);
  EXPECT_EQ(files_.ReadWholeFile(File()), std::nullopt);
  EXPECT_EQ(shell::ReadIniValue("Main", "OnTop", File(), files_), "");
  EXPECT_FALSE(shell::WriteIniValue("Main", "OnTop", "1", File(), files_));
  EXPECT_TRUE(ReadBytes(File()) == oversized);

  WriteBytes(File(), std::string(1024 * 1024, 'a'));
  EXPECT_EQ(files_.ReadWholeFile(File()), std::nullopt);
}

TEST_F(SettingsFilesTest, MissingFileOrFolderReadsEmptyAndAFolderNotAtAll) {
  EXPECT_EQ(files_.ReadWholeFile(File()), "");
  EXPECT_EQ(files_.ReadWholeFile(folder_ / "gone" / "slots.ini"), "");
  EXPECT_FALSE(
      files_.ReplaceFileAtomically(folder_ / "gone" / "slots.ini", "x"));

  fs::create_directory(File());
  EXPECT_EQ(files_.ReadWholeFile(File()), std::nullopt);
}

} // namespace
} // namespace slots::win32
