#include "win32/card/about_box.h"

namespace slots::win32 {
namespace {

std::wstring LineWithTrailingBlanks(const wchar_t *text, std::size_t blanks) {
  return std::wstring(text) + std::wstring(blanks, L' ') + L"\r\n";
}

} // namespace

std::wstring AboutBoxText() {
  return LineWithTrailingBlanks(
             L"As some know, I started this slots card as a fluke,", 11) +
         LineWithTrailingBlanks(L"I was coding it to have something to do and",
                                10) +
         LineWithTrailingBlanks(
             L"it ended up being enjoyed by many! I am proud", 8) +
         LineWithTrailingBlanks(
             L"to be able to contribute it to the Quillmoor community.", 1) +
         L"\r\n" + L"~Tamsk / tamsk@quillmoor.invalid";
}

} // namespace slots::win32
