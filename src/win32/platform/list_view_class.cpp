#include "win32/platform/list_view_class.h"

#include "win32/platform/system_library.h"

#include <commctrl.h>

namespace slots::win32 {
namespace {

struct ListViewClass {
  ModuleHandle module;
  bool registered = false;

  ListViewClass() : module(LoadSystemLibrary(L"comctl32.dll")) {
    const auto initialize = FindExport<decltype(&InitCommonControlsEx)>(
        module.get(), "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_LISTVIEW_CLASSES};
    registered = initialize != nullptr && initialize(&classes) != FALSE;
  }
};

} // namespace

// Kept until the program ends: list views live as long as their windows.
bool RegisterListViewClass() {
  static const ListViewClass listViews;
  return listViews.registered;
}

} // namespace slots::win32
