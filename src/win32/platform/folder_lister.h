#pragma once

#include "shell/sound_player.h"

namespace slots::win32 {

// The names of the files (not folders) directly in a folder.
class FindFileFolderLister final : public shell::FolderLister {
public:
  std::optional<std::vector<std::wstring>>
  ListFileNames(const std::wstring &folder) override;
};

} // namespace slots::win32
