#pragma once

namespace slots::win32 {

// Limits where the program's later library loads look for system libraries:
// the system folder only, never the program's folder or the current one, so
// a library dropped there does not run. Looked up at run time, as systems
// without it still run the card; false there.
bool RestrictDllSearchToSystemFolder();

} // namespace slots::win32
