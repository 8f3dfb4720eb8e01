#pragma once

#include "shell/ini_file.h"

#include <array>

namespace slots::win32_test {

// Two whole sets of the eight keys shut-down saves, in its order.
inline const std::array<shell::IniEntry, 8> kOldSettings = {{
    {"FinalSound", "1"},
    {"OnTop", "1"},
    {"StartSound", "1"},
    {"HoldSound", "1"},
    {"MinTray", "1"},
    {"X", "100"},
    {"Y", "200"},
    {"OnlyMyMachinekeeper", "0"},
}};
inline const std::array<shell::IniEntry, 8> kNewSettings = {{
    {"FinalSound", "0"},
    {"OnTop", "0"},
    {"StartSound", "0"},
    {"HoldSound", "0"},
    {"MinTray", "0"},
    {"X", "-31000"},
    {"Y", "47000"},
    {"OnlyMyMachinekeeper", "1"},
}};

} // namespace slots::win32_test
