#include "game/host_announcement.h"

namespace slots::game {
namespace {

constexpr std::wstring_view kNameEnds = L",;:!?(";

bool EndsNameAt(std::wstring_view rest, std::size_t index) {
  const wchar_t c = rest[index];
  if (kNameEnds.find(c) != std::wstring_view::npos) {
    return true;
  }
  return c == L'.' && (index + 1 == rest.size() || rest[index + 1] == L' ');
}

std::wstring_view TrimBlanks(std::wstring_view text) {
  const std::size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

} // namespace

std::wstring NameAfterHostMarker(std::wstring_view line) {
  const std::size_t marker = line.find(kHostMarker);
  if (marker == std::wstring_view::npos) {
    return {};
  }
  std::wstring_view rest = line.substr(marker + kHostMarker.size());
  for (std::size_t index = 0; index < rest.size(); ++index) {
    if (EndsNameAt(rest, index)) {
      rest = rest.substr(0, index);
      break;
    }
  }
  return std::wstring(TrimBlanks(rest));
}

} // namespace slots::game
