#include "practice/screenshot_path.h"

#include <gtest/gtest.h>

namespace slots::practice {
namespace {

TEST(ScreenshotPathTest, OnlyFilesOfThisMachinesFoldersAreTaken) {
  for (const std::wstring path :
       {L"card.bmp", L"C:\\shots\\card.bmp", L"Z:/tmp/card.bmp",
        L"..\\console.bmp", L"d:card.bmp", L"com10.bmp", L"COM\u2074.bmp",
        L"LPT\u00B9\u00B9"}) {
    EXPECT_EQ(RefusalOfScreenshotPath(path), std::nullopt) << path;
  }
  for (const std::wstring path :
       {L"\\\\server\\share\\card.bmp", L"//server/share/card.bmp",
        L"\\\\.\\PhysicalDrive0", L"\\\\?\\C:\\card.bmp", L"C:\\NUL",
        L"shots\\con.bmp", L"Aux .txt", L"COM1", L"lpt9.bmp", L"CONOUT$",
        L"COM\u00B9", L"lpt\u00B2.bmp", L"Com\u00B3 .txt", L"shots\\LPT\u00B3",
        L"card.bmp:hidden", L"C:\\a\\b:c"}) {
    EXPECT_NE(RefusalOfScreenshotPath(path), std::nullopt) << path;
  }
}

} // namespace
} // namespace slots::practice
