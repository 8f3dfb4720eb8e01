#include "win32/platform/file_protection.h"

#include "win32/platform/module_handle.h"
#include "win32/platform/system_library.h"

#include <windows.h>

#include <aclapi.h>

namespace slots::win32 {
namespace {

constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

using GetNamedSecurityInfoFunction = DWORD(WINAPI *)(LPCWSTR, SE_OBJECT_TYPE,
                                                     SECURITY_INFORMATION,
                                                     PSID *, PSID *, PACL *,
                                                     PACL *,
                                                     PSECURITY_DESCRIPTOR *);
using SetNamedSecurityInfoFunction = DWORD(WINAPI *)(LPWSTR, SE_OBJECT_TYPE,
                                                     SECURITY_INFORMATION, PSID,
                                                     PSID, PACL, PACL);
using GetControlFunction = BOOL(WINAPI *)(PSECURITY_DESCRIPTOR,
                                          PSECURITY_DESCRIPTOR_CONTROL,
                                          LPDWORD);

// advapi32 loads from the system folder at the first save that needs it.
struct SecurityFunctions {
  SecurityFunctions() {
    const HMODULE advapi = LoadSystemLibraryForProcess(L"advapi32.dll");
    getNamed = FindExport<GetNamedSecurityInfoFunction>(
        advapi, "GetNamedSecurityInfoW");
    setNamed = FindExport<SetNamedSecurityInfoFunction>(
        advapi, "SetNamedSecurityInfoW");
    getControl =
        FindExport<GetControlFunction>(advapi, "GetSecurityDescriptorControl");
  }
  GetNamedSecurityInfoFunction getNamed = nullptr;
  SetNamedSecurityInfoFunction setNamed = nullptr;
  GetControlFunction getControl = nullptr;
};

// The permissions set on the file itself; those it inherits from its folder
// the new file inherits anyway.
void CopyPermissions(const std::filesystem::path &from,
                     const std::filesystem::path &to) {
  static const SecurityFunctions functions;
  if (functions.getNamed == nullptr || functions.setNamed == nullptr ||
      functions.getControl == nullptr) {
    return;
  }
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (functions.getNamed(from.c_str(), SE_FILE_OBJECT,
                         DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                         nullptr, &descriptor) != ERROR_SUCCESS) {
    return;
  }
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  functions.getControl(descriptor, &control, &revision);
  const SECURITY_INFORMATION which =
      DACL_SECURITY_INFORMATION | ((control & SE_DACL_PROTECTED) != 0
                                       ? PROTECTED_DACL_SECURITY_INFORMATION
                                       : UNPROTECTED_DACL_SECURITY_INFORMATION);
  std::wstring target = to.wstring();
  functions.setNamed(target.data(), SE_FILE_OBJECT, which, nullptr, nullptr,
                     dacl, nullptr);
  LocalFree(descriptor);
}

} // namespace

void CopyFileProtection(const std::filesystem::path &from,
                        const std::filesystem::path &to) {
  const DWORD attributes = GetFileAttributesW(from.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return;
  }
  if ((attributes & kKeptAttributes) != 0) {
    SetFileAttributesW(to.c_str(), attributes & kKeptAttributes);
  }
  CopyPermissions(from, to);
}

} // namespace slots::win32
