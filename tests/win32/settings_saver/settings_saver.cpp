// Test fixture only, never shipped: saves the new settings and the old ones
// by turns into the file named first on its command line, through the card's
// own settings code, until it is ended. After its first round it sets the
// event named second, so the test knows that saving is under way.
#include "saved_settings_sets.h"
#include "shell/settings_store.h"
#include "win32/platform/gdi_handles.h"
#include "win32/platform/windows_settings_files.h"

#include <windows.h>

using namespace slots;

int wmain(int argc, wchar_t **argv) {
  if (argc != 3) {
    return 2;
  }
  const win32::UniqueKernelHandle started(
      OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]));
  if (!started) {
    return 3;
  }
  win32::WindowsSettingsFileAccess files;
  shell::IniSettingsStore settings(argv[1], files);
  for (bool first = true;; first = false) {
    settings.WriteAll(win32_test::kNewSettings);
    settings.WriteAll(win32_test::kOldSettings);
    if (first) {
      SetEvent(started.Get());
    }
  }
}
