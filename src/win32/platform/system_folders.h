#pragma once

#include <string>

namespace slots::win32 {

// The system folder that holds libraries of the card's own word size: the
// one GetSystemDirectoryW names, except for a 32-bit card on 64-bit Windows,
// whose system libraries live in SysWOW64 (named here as they are, so that a
// player told where the card looked finds the same folder). Empty when the
// system answers nothing.
std::wstring ProgramsSystemFolder();

// The Windows folder; empty when the system answers nothing.
std::wstring WindowsFolder();

} // namespace slots::win32
