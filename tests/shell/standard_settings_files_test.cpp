#include "shell/standard_settings_files.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace slots::shell_test {
namespace {

using shell::kMaxSettingsFileSize;

constexpr std::uint64_t kFixedStamp = 77;

class StandardSettingsFilesTest : public ::testing::Test {
protected:
  std::filesystem::path File() const { return folder_.Path() / "slots.ini"; }
  std::vector<std::string> FolderContents() const {
    return ListFolder(folder_.Path());
  }

  TempFolder folder_;
  shell::StandardSettingsFileAccess files_{[] { return kFixedStamp; }};
};

TEST_F(StandardSettingsFilesTest, NewContentsReplaceTheOldWhole) {
  WriteBytes(File(), "old and longer");

  EXPECT_TRUE(files_.ReplaceFileAtomically(File(), "new"));

  EXPECT_EQ(ReadBytes(File()), "new");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

// The new contents are written in full beside the old file, but cannot take
// its place: the written copy goes again.
TEST_F(StandardSettingsFilesTest, FailedReplaceLeavesNoTemporaryFileBehind) {
  std::filesystem::create_directory(File());
  WriteBytes(File() / "kept", "x");

  EXPECT_FALSE(files_.ReplaceFileAtomically(File(), "[Main]\r\nONTOP=1\r\n"));

  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
  EXPECT_EQ(ListFolder(File()), std::vector<std::string>{"kept"});
}

// Files already holding the temporary names (another card saving at this
// moment, or what a stopped one left) are never written into or removed.
TEST_F(StandardSettingsFilesTest, TemporaryFileIsNeverOneThatExisted) {
  const std::filesystem::path taken =
      shell::TemporarySiblingPath(File(), kFixedStamp, 0);
  const std::filesystem::path link =
      shell::TemporarySiblingPath(File(), kFixedStamp, 1);
  const std::filesystem::path elsewhere = folder_.Path() / "elsewhere";
  WriteBytes(taken, "another card's save");
  WriteBytes(elsewhere, "not ours");
  std::filesystem::create_symlink(elsewhere, link);

  EXPECT_TRUE(files_.ReplaceFileAtomically(File(), "[Main]\r\nX=1\r\n"));

  EXPECT_EQ(ReadBytes(File()), "[Main]\r\nX=1\r\n");
  EXPECT_EQ(ReadBytes(taken), "another card's save");
  EXPECT_EQ(ReadBytes(elsewhere), "not ours");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(FolderContents().size(), 4u);
}

TEST_F(StandardSettingsFilesTest, ReplaceGivesUpWhenEveryNameIsTaken) {
  WriteBytes(File(), "old");
  for (int attempt = 0; attempt < shell::kMaxTemporaryNameTries; ++attempt) {
    WriteBytes(shell::TemporarySiblingPath(File(), kFixedStamp, attempt), "");
  }

  EXPECT_FALSE(files_.ReplaceFileAtomically(File(), "new"));

  EXPECT_EQ(ReadBytes(File()), "old");
}

TEST_F(StandardSettingsFilesTest, ReadOnlyFileIsNotReplaced) {
  WriteBytes(File(), "[Main]\r\nONTOP=0\r\n");
  std::filesystem::permissions(File(), std::filesystem::perms::owner_read);

  EXPECT_FALSE(files_.ReplaceFileAtomically(File(), "[Main]\r\nONTOP=1\r\n"));

  EXPECT_EQ(ReadBytes(File()), "[Main]\r\nONTOP=0\r\n");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"slots.ini"});
}

TEST_F(StandardSettingsFilesTest, FilesUpTo64KBAreReadAndLargerOnesRefused) {
  const std::string largest(kMaxSettingsFileSize, 'a');
  WriteBytes(File(), largest);
  EXPECT_EQ(files_.ReadWholeFile(File()), largest);

  WriteBytes(File(), largest + "b");
  EXPECT_EQ(files_.ReadWholeFile(File()), std::nullopt);

  WriteBytes(File(), std::string(1024 * 1024, 'a'));
  EXPECT_EQ(files_.ReadWholeFile(File()), std::nullopt);
}

TEST_F(StandardSettingsFilesTest, MissingFileReadsEmptyAndAFolderNotAtAll) {
  EXPECT_EQ(files_.ReadWholeFile(File()), "");
  EXPECT_EQ(files_.ReadWholeFile(folder_.Path() / "none" / "slots.ini"), "");

  std::filesystem::create_directory(File());
  EXPECT_EQ(files_.ReadWholeFile(File()), std::nullopt);
}

} // namespace
} // namespace slots::shell_test
