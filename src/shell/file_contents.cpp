#include "shell/file_contents.h"

#include <array>
#include <chrono>
#include <fstream>
#include <system_error>

namespace slots::shell {

namespace {

constexpr int kMaxTemporaryNameTries = 100;

// A name not in use in the file's folder; another card writing the same folder
// at the same moment gets a different clock reading.
std::optional<std::filesystem::path>
ChooseTemporaryPath(const std::filesystem::path &file) {
  const auto ticks =
      std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < kMaxTemporaryNameTries; ++attempt) {
    std::filesystem::path candidate = file;
    candidate += ".";
    candidate += std::to_string(ticks);
    candidate += "-";
    candidate += std::to_string(attempt);
    candidate += ".tmp";
    std::error_code error;
    if (!std::filesystem::exists(candidate, error) && !error) {
      return candidate;
    }
  }
  return std::nullopt;
}

bool WriteNewFile(const std::filesystem::path &file,
                  std::string_view contents) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) {
    return false;
  }
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.close();
  return !out.fail();
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path &file) {
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return std::string();
  }
  if (!std::filesystem::is_regular_file(status)) {
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::string contents;
  std::array<char, 4096> chunk;
  while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
    contents.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    return std::nullopt;
  }
  return contents;
}

bool ReplaceFileAtomically(const std::filesystem::path &file,
                           std::string_view contents) {
  const std::optional<std::filesystem::path> temporary =
      ChooseTemporaryPath(file);
  if (!temporary) {
    return false;
  }
  std::error_code error;
  if (WriteNewFile(*temporary, contents)) {
    std::filesystem::rename(*temporary, file, error);
    if (!error) {
      return true;
    }
  }
  std::filesystem::remove(*temporary, error);
  return false;
}

} // namespace slots::shell
