// The screenshot's file is a new one: nothing that has the name already is
// written, followed or replaced, and no folder is made.
#include "win32/platform/new_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(NewFileTest, WritesOnlyWhereNothingHasTheName) {
  const fs::path folder =
      fs::temp_directory_path() /
      ("slots_new_file_" + std::to_string(GetCurrentProcessId()));
  fs::remove_all(folder);
  fs::create_directories(folder);

  EXPECT_EQ(WriteNewFile(folder / "shot.bmp", "picture"), std::nullopt);
  EXPECT_EQ(ReadBytes(folder / "shot.bmp"), "picture");

  const auto again = WriteNewFile(folder / "shot.bmp", "other");
  ASSERT_TRUE(again);
  EXPECT_NE(again->find(L"exists"), std::wstring::npos);
  EXPECT_EQ(ReadBytes(folder / "shot.bmp"), "picture");

  std::error_code noLinks;
  fs::create_symlink(folder / "target.bmp", folder / "link.bmp", noLinks);
  if (!noLinks) {
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
