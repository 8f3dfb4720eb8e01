// The players' package, unpacked into an empty folder as a player would: the
// files it must hold, the card's machine type, version and icon, and, where
// this machine runs 32-bit programs, the unpacked card itself.
#include "card_ui_driver.h"
#include "win32/platform/module_handle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <set>
#include <span>

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

std::span<const std::uint8_t> ResourceBytes(HMODULE module, int id,
                                            const wchar_t *type) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  if (loaded == nullptr) {
    return {};
  }
  return {static_cast<const std::uint8_t *>(LockResource(loaded)),
          SizeofResource(module, found)};
}

// Explorer shows the first icon group: every size a desktop asks for, each
// one readable, 256 pixels as PNG.
TEST(CardPackage, CardCarriesItsIconAtEverySize) {
  const auto card = UnpackedFolder() / L"slotscard.exe";
  const win32::ModuleHandle module(LoadLibraryExW(
      card.c_str(), nullptr,
      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  ASSERT_NE(module, nullptr);
  const auto group = ResourceBytes(module.get(), 1, RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6u);
  const std::size_t count = group[4] | group[5] << 8;
  ASSERT_EQ(group.size(), 6 + 14 * count);
  std::vector<int> sizes;
  for (std::size_t entry = 0; entry < count; ++entry) {
    const std::uint8_t *fields = &group[6 + 14 * entry];
    const int size = fields[0] == 0 ? 256 : fields[0];
    sizes.push_back(size);
    const auto image =
        ResourceBytes(module.get(), fields[12] | fields[13] << 8, RT_ICON);
    ASSERT_FALSE(image.empty()) << size;
    const bool png = image.size() > 8 && image[0] == 0x89 && image[1] == 'P';
    EXPECT_EQ(png, size == 256) << size;
    const win32::UniqueIcon icon(CreateIconFromResourceEx(
        const_cast<std::uint8_t *>(image.data()),
        static_cast<DWORD>(image.size()), TRUE, 0x00030000, size, size, 0));
    EXPECT_TRUE(icon) << size;
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 48, 256}));
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
