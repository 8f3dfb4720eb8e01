#pragma once

#include <string>

namespace slots::win32 {

// Says what went wrong where the player will see it: on the standard error
// when the program was given one (started from a console or a script), else
// in a message box with this caption.
void ReportProblem(const std::wstring &caption, const std::wstring &text);

} // namespace slots::win32
