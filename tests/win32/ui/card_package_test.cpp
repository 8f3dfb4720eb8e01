// The players' package, unpacked into an empty folder as a player would: the
// files it must hold, the card's machine type and version, and, where this
// machine runs 32-bit programs, the unpacked card itself.
#include "card_ui_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <set>

namespace slots::ui_test {
namespace {

constexpr std::uint16_t kMachineI386 = 0x014c;

// Filled by the test run's set-up step, which unpacks the ZIP there.
std::filesystem::path UnpackedFolder() {
  return DriverFolder() / L"package_unpacked" / L"slotscard-1.4-win32";
}

std::set<std::string> FilesUnder(const std::filesystem::path &folder) {
  std::set<std::string> files;
  for (const auto &entry :
       std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files.insert(
          std::filesystem::relative(entry.path(), folder).generic_string());
    }
  }
  return files;
}

std::uint16_t MachineTypeOf(const std::filesystem::path &program) {
  std::ifstream file(program, std::ios::binary);
  std::uint32_t peHeaderOffset = 0;
  file.seekg(0x3c);
  file.read(reinterpret_cast<char *>(&peHeaderOffset), sizeof(peHeaderOffset));
  char signature[4]{};
  file.seekg(peHeaderOffset);
  file.read(signature, sizeof(signature));
  std::uint16_t machine = 0;
  file.read(reinterpret_cast<char *>(&machine), sizeof(machine));
  if (!file || std::string(signature, 4) != std::string("PE\0\0", 4)) {
    return 0;
  }
  return machine;
}

class VersionResource {
public:
  explicit VersionResource(const std::filesystem::path &program) {
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    data_.resize(size);
    if (size == 0 ||
        !GetFileVersionInfoW(program.c_str(), 0, size, data_.data())) {
      data_.clear();
    }
  }

  std::wstring Text(const std::wstring &name) {
    if (data_.empty()) {
      return {};
    }
    const std::wstring path = L"\\StringFileInfo\\040904B0\\" + name;
    wchar_t *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data_.data(), path.c_str(),
                        reinterpret_cast<void **>(&value), &length) ||
        length == 0) {
      return {};
    }
    return std::wstring(value, wcsnlen(value, length));
  }

  std::uint64_t FileVersion() {
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    if (data_.empty() ||
        !VerQueryValueW(data_.data(), L"\\", reinterpret_cast<void **>(&fixed),
                        &length)) {
      return 0;
    }
    return (std::uint64_t{fixed->dwFileVersionMS} << 32) |
           fixed->dwFileVersionLS;
  }

private:
  std::vector<char> data_;
};

TEST(CardPackage, HoldsTheCardItsSoundsAndTheGuide) {
  ASSERT_TRUE(std::filesystem::is_directory(UnpackedFolder()))
      << "the package did not unpack into one folder";
  const std::set<std::string> expected = {"README.txt",
                                          "slotscard.exe",
                                          "start.wav",
                                          "hold.wav",
                                          "w_sounds/chime.wav",
                                          "w_sounds/coins.wav",
                                          "w_sounds/fanfare.wav",
                                          "l_sounds/buzz.wav",
                                          "l_sounds/fall.wav",
                                          "l_sounds/slide.wav"};
  EXPECT_EQ(FilesUnder(UnpackedFolder()), expected);
}

TEST(CardPackage, CardIsA32BitProgramWithItsVersion) {
  const auto card = UnpackedFolder() / L"slotscard.exe";
  EXPECT_EQ(MachineTypeOf(card), kMachineI386);
  VersionResource version(card);
  EXPECT_EQ(version.Text(L"ProductName"), L"Slots Card");
  EXPECT_EQ(version.Text(L"FileVersion"), L"1.4.0");
  EXPECT_EQ(version.Text(L"ProductVersion"), L"1.4.0");
  EXPECT_FALSE(version.Text(L"FileDescription").empty());
  EXPECT_EQ(version.FileVersion(), 0x0001'0004'0000'0000ull);
}

TEST(CardPackage, UnpackedCardStartsAndCloses) {
  if (sizeof(void *) != 4) {
    GTEST_SKIP() << "this machine runs the 64-bit build: the packaged 32-bit "
                    "card cannot start here";
  }
  CardProcess card(UnpackedFolder());
  ASSERT_NE(card.Window(), nullptr);
  EXPECT_TRUE(card.Close());
}

} // namespace
} // namespace slots::ui_test
