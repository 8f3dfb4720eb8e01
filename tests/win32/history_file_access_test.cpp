// The kept history file is only added to, and only when it is a plain file
// of one name; a save elsewhere replaces its target only once it is whole.
#include "win32/platform/file_identity.h"
#include "win32/platform/windows_history_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class HistoryFileAccessTest : public ::testing::Test {
protected:
  HistoryFileAccessTest() {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~HistoryFileAccessTest() override { fs::remove_all(folder_); }

  const fs::path folder_ =
      fs::temp_directory_path() /
      ("slots_history_access_" + std::to_string(GetCurrentProcessId()));
  WindowsHistoryFileAccess access_;
};

TEST_F(HistoryFileAccessTest, AddsOnlyToAPlainFileOfOneName) {
  const fs::path kept = folder_ / "slots-history.csv";
  ASSERT_TRUE(access_.AppendBytes(kept, "one\r\n"));
  ASSERT_TRUE(access_.AppendBytes(kept, "two\r\n"));
  EXPECT_EQ(ReadAll(kept), "one\r\ntwo\r\n");

  // A hard link planted at the name leads to another file.
  const fs::path other = folder_ / "letter.txt";
  std::ofstream(other, std::ios::binary) << "Dear Ann";
  fs::remove(kept);
  fs::create_hard_link(other, kept);
  EXPECT_FALSE(access_.AppendBytes(kept, "header\r\n"));
  EXPECT_EQ(ReadAll(other), "Dear Ann");
}

TEST_F(HistoryFileAccessTest, EveryNameOfAFileIsTheFile) {
  const fs::path kept = folder_ / "slots-history.csv";
  std::ofstream(kept, std::ios::binary) << "kept";
  fs::create_hard_link(kept, folder_ / "another name.csv");
  std::ofstream(folder_ / "other.csv", std::ios::binary) << "kept";

  EXPECT_TRUE(AreSameFile(kept, folder_ / "another name.csv"));
  EXPECT_TRUE(AreSameFile(kept, L"\\\\?\\" + fs::absolute(kept).wstring()));
  EXPECT_TRUE(AreSameFile(kept, folder_ / "." / "SLOTS-HISTORY.CSV"));
  EXPECT_FALSE(AreSameFile(kept, folder_ / "other.csv"));
  EXPECT_FALSE(AreSameFile(kept, folder_ / "missing.csv"));
}

TEST_F(HistoryFileAccessTest, AWholeFileReplacesItsTargetOnlyOnceWritten) {
  const fs::path saved = folder_ / "saved.csv";
  ASSERT_TRUE(WriteWholeFile(saved, "first"));
  ASSERT_TRUE(WriteWholeFile(saved, "second, longer"));
  EXPECT_EQ(ReadAll(saved), "second, longer");
  EXPECT_FALSE(WriteWholeFile(folder_ / "missing" / "saved.csv", "x"));
  EXPECT_EQ(
      std::distance(fs::directory_iterator(folder_), fs::directory_iterator()),
      1)
      << "no temporary file is left";
}

} // namespace
} // namespace slots::win32
