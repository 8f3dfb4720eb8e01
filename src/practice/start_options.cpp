#include "practice/start_options.h"

#include "chat/chat_text_reader.h"

#include <limits>
#include <string_view>

namespace slots::practice {
namespace {

constexpr std::wstring_view kPracticeFlag = L"--practice";
constexpr std::wstring_view kSeedFlag = L"--practice-seed";
constexpr std::wstring_view kPaceFlag = L"--practice-pace";
constexpr std::wstring_view kKeeperFlag = L"--practice-keeper";
constexpr std::wstring_view kScreenshotFlag = L"--screenshot-after";

// Digits only, no larger than the limit.
std::optional<std::uint64_t> ParseCount(std::wstring_view text,
                                        std::uint64_t limit) {
  if (!chat::IsAllDigits(text)) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (const wchar_t digit : text) {
    value = value * 10 + static_cast<std::uint64_t>(digit - L'0');
    if (value > limit) {
      return std::nullopt;
    }
  }
  return value;
}

std::optional<KeeperPace> ParsePace(std::wstring_view text) {
  if (text == L"fast") {
    return KeeperPace::Fast;
  }
  if (text == L"players") {
    return KeeperPace::Players;
  }
  return std::nullopt;
}

} // namespace

KeeperHabit PracticeKeeperHabit(const StartOptions &options) {
  return options.practicePace == KeeperPace::Fast
             ? options.practiceKeeper.WithoutWaiting()
             : options.practiceKeeper;
}

StartOptions ParseStartOptions(std::span<const std::wstring> arguments) {
  StartOptions options;
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const std::wstring &argument = arguments[index];
    const bool hasValue = index + 1 < arguments.size();
    if (argument == kPracticeFlag) {
      options.practice = true;
    } else if (argument == kSeedFlag && hasValue) {
      const auto seed = ParseCount(arguments[++index],
                                   std::numeric_limits<std::uint32_t>::max());
      if (seed) {
        options.practiceSeed = static_cast<std::uint32_t>(*seed);
      }
    } else if (argument == kPaceFlag && hasValue) {
      if (const auto pace = ParsePace(arguments[++index])) {
        options.practicePace = *pace;
      }
    } else if (argument == kKeeperFlag && hasValue) {
      if (const auto habit = FindKeeperHabit(arguments[++index])) {
        options.practiceKeeper = *habit;
      }
    } else if (argument == kScreenshotFlag && index + 2 < arguments.size()) {
      const auto seconds = ParseCount(
          arguments[index + 1],
          static_cast<std::uint64_t>(kLongestScreenshotWait.count()));
      const std::wstring &path = arguments[index + 2];
      index += 2;
      if (seconds && !path.empty()) {
        options.screenshot =
            ScreenshotRequest{std::chrono::seconds(*seconds), path};
      }
    }
  }
  return options;
}

} // namespace slots::practice
