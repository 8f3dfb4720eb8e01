// Writes settings into any existing settings file and reads them back, in
// memory: what was written reads back, the other settings stay as they were,
// and a save of all keys replaces the file once or leaves it as it was.
#include "fuzz_input.h"
#include "shell/in_memory_settings_files.h"
#include "shell/ini_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace slots;

const std::filesystem::path kFile = "slots.ini";

// The keys shut-down saves, in its order.
constexpr std::array<const char *, 9> kSavedKeys = {
    "FinalSound", "OnTop", "StartSound",          "HoldSound",      "MinTray",
    "X",          "Y",     "OnlyMyMachinekeeper", "KeepGameHistory"};

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

// Kept from run to run, so that a run allocates little beyond what the
// settings code itself does.
shell_test::InMemorySettingsFiles &FilesHolding(const std::string &existing) {
  static shell_test::InMemorySettingsFiles files;
  files.files[kFile] = existing;
  files.reads = 0;
  files.replaces = 0;
  return files;
}

void CheckOneKey(const std::string &existing, const std::string &value) {
  shell_test::InMemorySettingsFiles &files = FilesHolding(existing);
  const std::string otherBefore =
      shell::ReadIniValue("Main", "X", kFile, files);
  const bool written =
      shell::WriteIniValue("Main", "FinalSound", value, kFile, files);
  if (written && ReadsBackAsWritten(value)) {
    fuzz::Require(shell::ReadIniValue("Main", "FinalSound", kFile, files) ==
                  value);
    fuzz::Require(shell::ReadIniValue("Main", "X", kFile, files) ==
                  otherBefore);
  }
}

// Every saved key at once, its value from the input's fields (or "1").
void CheckAllKeys(const std::string &existing,
                  const std::vector<std::string> &fields) {
  static std::vector<shell::IniEntry> entries(kSavedKeys.size());
  for (std::size_t i = 0; i < kSavedKeys.size(); ++i) {
    entries[i].key = kSavedKeys[i];
    entries[i].value = i + 1 < fields.size() ? fields[i + 1] : "1";
  }
  shell_test::InMemorySettingsFiles &files = FilesHolding(existing);
  const std::string otherBefore =
      shell::ReadIniValue("Main", "Note", kFile, files);
  const bool written = shell::WriteIniValues("Main", entries, kFile, files);
  fuzz::Require(files.replaces == (written ? 1 : 0));
  if (!written) {
    fuzz::Require(files.files[kFile] == existing);
    return;
  }
  for (const shell::IniEntry &entry : entries) {
    if (ReadsBackAsWritten(entry.value)) {
      fuzz::Require(shell::ReadIniValue("Main", entry.key, kFile, files) ==
                    entry.value);
    }
  }
  fuzz::Require(shell::ReadIniValue("Main", "Note", kFile, files) ==
                otherBefore);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  const auto fields = fuzz::FieldsOf(data, size);
  CheckOneKey(fields[0], fields.size() > 1 ? fields[1] : "1");
  CheckAllKeys(fields[0], fields);
  return 0;
}
