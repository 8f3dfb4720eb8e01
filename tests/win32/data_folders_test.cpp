// The folders the card may keep its files in, through the system's calls.
#include "win32/platform/windows_data_folders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

// The same stamp every time, so every try after the first meets the name
// the earlier one left, were it left.
std::uint64_t FixedStamp() { return 42; }

TEST(WindowsDataFolders, TriesAFolderWithoutLeavingAnythingThere) {
  const fs::path folder =
      fs::temp_directory_path() /
      ("slots_data_" + std::to_string(GetCurrentProcessId()));
  fs::remove_all(folder);
  WindowsDataFolders folders(FixedStamp);
  EXPECT_FALSE(folders.CanWriteIn(folder));
  ASSERT_TRUE(folders.MakeFolder(folder));
  EXPECT_TRUE(folders.MakeFolder(folder));
  EXPECT_TRUE(folders.CanWriteIn(folder));
  EXPECT_TRUE(folders.CanWriteIn(folder));
  EXPECT_TRUE(fs::is_empty(folder));
  // A file in the way is no folder.
  const fs::path file = folder / "slots.ini";
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(folders.MakeFolder(file));
  EXPECT_FALSE(folders.MakeFolder(folder / "missing" / "nested"));
  fs::remove_all(folder);
}

TEST(WindowsDataFolders, LocalAppDataIsTheShellsFolder) {
  const fs::path local = WindowsDataFolders().LocalAppDataFolder();
  EXPECT_TRUE(local.is_absolute());
  EXPECT_TRUE(fs::is_directory(local));
  EXPECT_EQ(local.filename(), L"Local");
}

} // namespace
} // namespace slots::win32
