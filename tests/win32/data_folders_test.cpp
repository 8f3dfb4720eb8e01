// The folders the card may keep its files in, through the system's calls.
#include "win32/platform/windows_data_folders.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

// The same name for every try: one left behind would show at the next.
std::uint64_t FixedStamp() { return 42; }

TEST(WindowsDataFolders, TriesAndMakesFoldersLeavingNothingThere) {
  const fs::path folder = fs::temp_directory_path() / "slots_data_folders";
  fs::remove_all(folder);
  WindowsDataFolders folders(FixedStamp);
  EXPECT_FALSE(folders.CanWriteIn(folder));
  EXPECT_FALSE(folders.MakeFolder(folder / "missing" / "nested"));
  ASSERT_TRUE(folders.MakeFolder(folder));
  EXPECT_TRUE(folders.MakeFolder(folder));
  EXPECT_TRUE(folders.CanWriteIn(folder) && folders.CanWriteIn(folder));
  EXPECT_TRUE(fs::is_empty(folder));
  fs::remove_all(folder);
  // The shell's folder, as Wine names it.
  EXPECT_EQ(folders.LocalAppDataFolder(), fs::path(_wgetenv(L"LOCALAPPDATA")));
}

} // namespace
} // namespace slots::win32
