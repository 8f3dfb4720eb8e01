// Writes a setting into any existing settings file and reads it back: what
// was written reads back, and the other settings stay as they were.
#include "fuzz_input.h"
#include "shell/ini_file.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace slots;

// A folder of this process's own, removed when the run ends.
class ScratchFolder {
public:
  ScratchFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("slots_settings_fuzz_" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path &Path() const { return path_; }

private:
  std::filesystem::path path_;
};

const std::filesystem::path &ScratchFile() {
  static const ScratchFolder folder;
  static const std::filesystem::path file = folder.Path() / "slots.ini";
  return file;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Values the file layout carries unchanged: no line break, no blank at
// either end (blanks around values are not part of them), not wrapped in
// quotes (a quoted value reads without its quotes), within the read limit.
bool ReadsBackAsWritten(const std::string &value) {
  if (value.size() > shell::kMaxIniValueLength ||
      value.find_first_of("\r\n") != std::string::npos) {
    return false;
  }
  if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) {
    return false;
  }
  const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                      (value.front() == '"' || value.front() == '\'');
  return !quoted;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  const auto fields = fuzz::FieldsOf(data, size);
  const std::string existing = fields[0];
  const std::string value = fields.size() > 1 ? fields[1] : "1";
  {
    std::ofstream file(ScratchFile(), std::ios::binary | std::ios::trunc);
    file << existing;
  }
  const std::string otherBefore =
      shell::ReadIniValue("Main", "X", ScratchFile());
  const bool written =
      shell::WriteIniValue("Main", "FinalSound", value, ScratchFile());
  if (written && ReadsBackAsWritten(value)) {
    fuzz::Require(shell::ReadIniValue("Main", "FinalSound", ScratchFile()) ==
                  value);
    fuzz::Require(shell::ReadIniValue("Main", "X", ScratchFile()) ==
                  otherBefore);
  }
  return 0;
}
