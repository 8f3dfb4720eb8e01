#include "practice/start_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace slots::practice {
namespace {

StartOptions Parse(std::vector<std::wstring> arguments) {
  return ParseStartOptions(arguments);
}

StartOptions Practice(std::optional<std::uint32_t> seed = std::nullopt) {
  return {.practice = true, .practiceSeed = seed, .screenshot = std::nullopt};
}

TEST(StartOptions, NoArgumentsKeepTheCardAsItWas) {
  EXPECT_EQ(Parse({}), StartOptions{});
}

TEST(StartOptions, PracticeFlagsChooseTheTableAndItsSeed) {
  EXPECT_EQ(Parse({L"--practice"}), Practice());
  EXPECT_EQ(Parse({L"--practice", L"--practice-seed", L"42"}), Practice(42));
  // A seed alone serves the practice table a missing library brings.
  EXPECT_EQ(Parse({L"--practice-seed", L"4294967295"}),
            (StartOptions{.practice = false,
                          .practiceSeed = 4294967295u,
                          .screenshot = std::nullopt}));
}

TEST(StartOptions, KeeperHabitAndPaceFlagsChooseHowThePracticeKeeperDeals) {
  const StartOptions options =
      Parse({L"--practice-keeper", L"slow", L"--practice-pace", L"fast"});
  EXPECT_EQ(options.practiceKeeper, kSlowHabit);
  EXPECT_EQ(PracticeKeeperHabit(options), kSlowHabit.WithoutWaiting());
  EXPECT_EQ(PracticeKeeperHabit(options).dealingDelay.count(), 0);
  EXPECT_EQ(PracticeKeeperHabit(Parse({L"--practice-keeper", L"patient"})),
            kPatientHabit);
  // A value no habit or pace has leaves the default, and the next flag counts.
  EXPECT_EQ(Parse({L"--practice-keeper", L"Terse", L"--practice"}),
            (StartOptions{.practice = true,
                          .practiceSeed = std::nullopt,
                          .screenshot = std::nullopt}));
  EXPECT_EQ(Parse({L"--practice-pace", L"quick"}).practicePace,
            KeeperPace::Players);
}

TEST(StartOptions, ScreenshotFlagTakesSecondsAndAPath) {
  EXPECT_EQ(
      Parse({L"--screenshot-after", L"5", L"C:\\shots\\card.bmp"}),
      (StartOptions{.practice = false,
                    .practiceSeed = std::nullopt,
                    .screenshot = ScreenshotRequest{std::chrono::seconds(5),
                                                    L"C:\\shots\\card.bmp"}}));
}

TEST(StartOptions, BadValuesAndUnknownArgumentsArePassedOver) {
  EXPECT_EQ(Parse({L"--practice-seed", L"-3"}), StartOptions{});
  EXPECT_EQ(Parse({L"--practice-seed", L"4294967296"}), StartOptions{});
  EXPECT_EQ(Parse({L"--practice-seed"}), StartOptions{});
  EXPECT_EQ(Parse({L"--screenshot-after", L"soon", L"card.bmp"}),
            StartOptions{});
  EXPECT_EQ(Parse({L"--screenshot-after", L"3601", L"card.bmp"}),
            StartOptions{});
  EXPECT_EQ(Parse({L"--screenshot-after", L"3600", L"a.bmp"}).screenshot,
            (ScreenshotRequest{kLongestScreenshotWait, L"a.bmp"}));
  // A flag's bad value is still its value, never a flag of its own.
  EXPECT_EQ(Parse({L"--practice-seed", L"--practice"}), StartOptions{});
  EXPECT_EQ(Parse({L"--practice-pace", L"--practice"}), StartOptions{});
  EXPECT_EQ(Parse({L"--screenshot-after", L"x", L"--practice"}),
            StartOptions{});
  EXPECT_EQ(Parse({L"--screenshot-after", L"5"}), StartOptions{});
  EXPECT_EQ(Parse({L"--screenshot-after", L"5", L""}), StartOptions{});
  EXPECT_EQ(Parse({L"/practice", L"--Practice", L"extra"}), StartOptions{});
  EXPECT_EQ(Parse({L"--practice-pace", L"Fast"}), StartOptions{});
  EXPECT_EQ(Parse({L"--practice-pace", L"0"}), StartOptions{});
  EXPECT_EQ(Parse({L"--practice-pace"}), StartOptions{});
}

} // namespace
} // namespace slots::practice
