#pragma once

#include "shell/settings_file_access.h"

#include <filesystem>
#include <string>

namespace slots::shell {

// The player's own folder for the card's files, under the local
// application-data folder.
inline constexpr std::wstring_view kOwnFolderName = L"Slots Card";

// The folders the card's own files may be kept in, and the calls to try them.
class DataFolderAccess {
public:
  virtual ~DataFolderAccess() = default;
  // True when a new file can be made in the folder; the file tried is
  // removed at once.
  virtual bool CanWriteIn(const std::filesystem::path &folder) = 0;
  // Makes the folder when it is missing; true when it is there afterwards.
  virtual bool MakeFolder(const std::filesystem::path &folder) = 0;
  // The player's local application-data folder; empty when the system
  // names none. Asked only when the program's folder cannot be written.
  virtual std::filesystem::path LocalAppDataFolder() = 0;
};

// Where slots.ini and slots-history.csv are read and written.
struct DataFilesPlace {
  std::filesystem::path folder;
  // What to tell the player once when neither place can be written; empty
  // when the files can be kept.
  std::wstring unsavedNotice;
};

// Beside the program wherever its folder can be written. Elsewhere (a card in
// a protected folder) in the player's own folder, which starts, when it holds
// no settings yet, from those an older card left in the virtual store, else
// from the file beside the program. Where neither folder can be written the
// files stay beside the program, unsaved, and the notice says so.
DataFilesPlace ChooseDataFilesPlace(const std::filesystem::path &programFolder,
                                    DataFolderAccess &folders,
                                    SettingsFileAccess &files);

} // namespace slots::shell
