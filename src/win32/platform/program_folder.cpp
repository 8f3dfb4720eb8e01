#include "win32/platform/program_folder.h"

#include <windows.h>

#include <filesystem>

namespace slots::win32 {

namespace {

std::filesystem::path ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(),
                                            static_cast<DWORD>(buffer.size()));
    if (length == 0)
      return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

} // namespace

std::wstring ProgramFolder() {
  return ExecutablePath().parent_path().wstring();
}

std::wstring ApplicationName() { return ExecutablePath().stem().wstring(); }

} // namespace slots::win32
