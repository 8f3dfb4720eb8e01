#include "win32/platform/list_view_class.h"

#include "win32/platform/module_handle.h"
#include "win32/platform/system_library.h"

#include <commctrl.h>

namespace slots::win32 {
namespace {

struct ListViewClass {
  bool registered = false;

  ListViewClass() {
    const auto initialize = FindExport<decltype(&InitCommonControlsEx)>(
        LoadSystemLibraryForProcess(L"comctl32.dll"), "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_LISTVIEW_CLASSES};
    registered = initialize != nullptr && initialize(&classes) != FALSE;
  }
};

} // namespace

// Registered once: list views live as long as their windows.
bool RegisterListViewClass() {
  static const ListViewClass listViews;
  return listViews.registered;
}

} // namespace slots::win32
