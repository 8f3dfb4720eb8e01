#include "shell/file_contents.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace slots::shell_test {
namespace {

TEST(ReplaceFileTest, NewContentsReplaceTheOldWhole) {
  TempFolder folder;
  const std::filesystem::path file = folder.Path() / "slots.ini";
  WriteBytes(file, "old and longer");

  EXPECT_TRUE(shell::ReplaceFileAtomically(file, "new"));

  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(ListFolder(folder.Path()), std::vector<std::string>{"slots.ini"});
}

// The new contents are written in full beside the old file, but cannot take
// its place: the written copy goes again.
TEST(ReplaceFileTest, FailedReplaceLeavesNoTemporaryFileBehind) {
  TempFolder folder;
  const std::filesystem::path file = folder.Path() / "slots.ini";
  std::filesystem::create_directory(file);
  WriteBytes(file / "kept", "x");

  EXPECT_FALSE(shell::ReplaceFileAtomically(file, "[Main]\r\nONTOP=1\r\n"));

  EXPECT_EQ(ListFolder(folder.Path()), std::vector<std::string>{"slots.ini"});
  EXPECT_EQ(ListFolder(file), std::vector<std::string>{"kept"});
}

} // namespace
} // namespace slots::shell_test
