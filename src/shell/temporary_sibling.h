#pragma once

#include <cstdint>
#include <filesystem>

namespace slots::shell {

// How many names a replace tries for its temporary file before giving up.
inline constexpr int kMaxTemporaryNameTries = 100;

// A number that differs between two saves close in time, so that cards
// saving the same folder at once mostly try different names first.
using TemporaryStamp = std::uint64_t (*)();
std::uint64_t ClockStamp();

// The temporary file's name for one try: beside the file, so that the rename
// stays within one volume, e.g. "slots.ini.1234-0.tmp".
std::filesystem::path TemporarySiblingPath(const std::filesystem::path &file,
                                           std::uint64_t stamp, int attempt);

} // namespace slots::shell
