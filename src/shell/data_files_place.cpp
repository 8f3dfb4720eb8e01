#include "shell/data_files_place.h"

#include "shell/settings_store.h"

#include <optional>

namespace slots::shell {

namespace {

namespace fs = std::filesystem;

// Where Windows kept the files of older programs that wrote into protected
// folders: the program's folder without its drive, under "VirtualStore".
fs::path VirtualStoreFolder(const fs::path &localAppData,
                            const fs::path &programFolder) {
  return localAppData / L"VirtualStore" / programFolder.relative_path();
}

// The first settings that hold anything: an older card's, then the ones
// beside the program.
std::optional<std::string> EarlierSettings(const fs::path &localAppData,
                                           const fs::path &programFolder,
                                           SettingsFileAccess &files) {
  for (const fs::path &folder :
       {VirtualStoreFolder(localAppData, programFolder), programFolder}) {
    std::optional<std::string> bytes =
        files.ReadWholeFile(folder / kSettingsFileName);
    if (bytes && !bytes->empty())
      return bytes;
  }
  return std::nullopt;
}

std::wstring UnsavedNotice(const fs::path &programFolder,
                           const fs::path &ownFolder) {
  const std::wstring where =
      ownFolder.empty()
          ? L"it may not write in " + programFolder.wstring()
          : L"it may write neither in " + programFolder.wstring() +
                L" nor in " + ownFolder.wstring();
  return L"The card cannot save its settings or its game history: " + where +
         L". It plays on, but what you change this time is lost when it "
         L"closes.";
}

} // namespace

DataFilesPlace ChooseDataFilesPlace(const fs::path &programFolder,
                                    DataFolderAccess &folders,
                                    SettingsFileAccess &files) {
  if (folders.CanWriteIn(programFolder))
    return {programFolder, {}};
  const fs::path localAppData = folders.LocalAppDataFolder();
  const fs::path ownFolder =
      localAppData.empty() ? fs::path() : localAppData / kOwnFolderName;
  if (ownFolder.empty() || !folders.MakeFolder(ownFolder) ||
      !folders.CanWriteIn(ownFolder))
    return {programFolder, UnsavedNotice(programFolder, ownFolder)};
  const fs::path ownSettings = ownFolder / kSettingsFileName;
  const std::optional<std::string> ownBytes = files.ReadWholeFile(ownSettings);
  if (ownBytes && ownBytes->empty()) {
    if (const auto earlier =
            EarlierSettings(localAppData, programFolder, files))
      files.ReplaceFileAtomically(ownSettings, *earlier);
  }
  return {ownFolder, {}};
}

} // namespace slots::shell
