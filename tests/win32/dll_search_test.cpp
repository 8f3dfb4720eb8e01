// Libraries dropped beside the card or in the current folder do not run: the
// system libraries come from the system folder and the chat library's own
// imports from its folder or the system folder.
#include "win32/platform/dll_search.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/wadapi_library.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace slots::win32 {
namespace {

namespace fs = std::filesystem;

class CurrentFolder {
public:
  explicit CurrentFolder(const fs::path &folder)
      : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~CurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
  }
  CurrentFolder(const CurrentFolder &) = delete;
  CurrentFolder &operator=(const CurrentFolder &) = delete;

private:
  fs::path previous_;
};

class DllSearchTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("slots_dll_search_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    for (const char *name :
         {"probe_before.dll", "probe_after.dll", "wadapi.dll"})
      fs::copy_file(fs::path(ProgramFolder()) / STANDIN_WADAPI_DLL,
                    folder_ / name);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  fs::path folder_;
};

TEST_F(DllSearchTest, ALibraryInTheCurrentFolderIsNoLongerFoundByName) {
  const CurrentFolder inFolder(folder_);
  HMODULE before = LoadLibraryW(L"probe_before.dll");
  if (before == nullptr)
    GTEST_SKIP() << "this system never searches the current folder";
  FreeLibrary(before);

  ASSERT_EQ(RestrictDllSearchToSystemFolder(), DllSearch::SystemFolderOnly);
  EXPECT_EQ(LoadLibraryW(L"probe_after.dll"), nullptr);
  // System libraries are still found by name.
  EXPECT_NE(GetModuleHandleW(L"kernel32.dll"), nullptr);
  HMODULE version = LoadLibraryW(L"version.dll");
  EXPECT_NE(version, nullptr);
  FreeLibrary(version);
}

std::optional<std::wstring> dllDirectory;
BOOL WINAPI RecordDllDirectory(LPCWSTR folder) {
  dllDirectory = folder;
  return TRUE;
}
BOOL WINAPI RefuseDefaultDllDirectories(DWORD) { return FALSE; }

// Windows 7 without its library-search update lacks SetDefaultDllDirectories
// (Wine ignores an empty folder, so the call itself is what is seen here).
TEST(DllSearchFallbackTest, WithoutTheUpdateTheCurrentFolderLeavesTheSearch) {
  for (const auto setDefault :
       {static_cast<decltype(&RefuseDefaultDllDirectories)>(nullptr),
        &RefuseDefaultDllDirectories}) {
    dllDirectory.reset();
    EXPECT_EQ(RestrictDllSearch({setDefault, &RecordDllDirectory}),
              DllSearch::WithoutCurrentFolder);
    EXPECT_EQ(dllDirectory, L"");
  }
}

TEST_F(DllSearchTest, TheChatLibraryIsLoadedByItsFullPathEvenFromARelativeOne) {
  const CurrentFolder inFolder(folder_);
  EXPECT_NE(LoadWadapiLibrary(L"wadapi.dll"), nullptr);
}

} // namespace
} // namespace slots::win32
