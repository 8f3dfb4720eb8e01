#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace slots::win32 {

struct ModuleDeleter {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};

// A loaded library, freed when its owner goes.
using ModuleHandle =
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

template <typename Function>
Function FindExport(HMODULE module, const char *name) {
  if (module == nullptr)
    return nullptr;
  return reinterpret_cast<Function>(
      reinterpret_cast<void *>(GetProcAddress(module, name)));
}

} // namespace slots::win32
