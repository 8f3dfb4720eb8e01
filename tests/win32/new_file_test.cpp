// The screenshot's file is a new one: a link already holding the name is not
// followed, and no folder is made. (A file holding the name is kept: see the
// screenshot flag's test.)
#include "win32/platform/new_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

TEST(NewFileTest, NoLinkIsFollowedAndNoFolderMade) {
  const fs::path folder =
      fs::temp_directory_path() /
      ("slots_new_file_" + std::to_string(GetCurrentProcessId()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  EXPECT_EQ(WriteNewFile(folder / "shot.bmp", "picture"), std::nullopt);
  EXPECT_EQ(fs::file_size(folder / "shot.bmp"), 7u);

  // Wine answers that it made a link, but makes none.
  const fs::path link = folder / "link.bmp";
  CreateSymbolicLinkW(link.c_str(), (folder / "target.bmp").c_str(), 0);
  if (fs::is_symlink(fs::symlink_status(link))) {
    EXPECT_TRUE(WriteNewFile(folder / "link.bmp", "through the link"));
    EXPECT_FALSE(fs::exists(folder / "target.bmp"));
  }
  const auto noFolder = WriteNewFile(folder / "missing" / "shot.bmp", "x");
  ASSERT_TRUE(noFolder);
  EXPECT_NE(noFolder->find(L"folder"), std::wstring::npos);
  EXPECT_FALSE(fs::exists(folder / "missing"));
  fs::remove_all(folder);
}

} // namespace
} // namespace slots::win32
