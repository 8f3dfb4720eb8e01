#include "win32/platform/image_list_functions.h"

#include "win32/platform/module_handle.h"
#include "win32/platform/system_library.h"

namespace slots::win32 {
namespace {

struct ImageListFunctions {
  decltype(&ImageList_Create) create = nullptr;
  decltype(&ImageList_Add) add = nullptr;
  decltype(&ImageList_Draw) draw = nullptr;
  decltype(&ImageList_GetImageCount) count = nullptr;
  decltype(&ImageList_Destroy) destroy = nullptr;

  ImageListFunctions() {
    const HMODULE comctl = LoadSystemLibraryForProcess(L"comctl32.dll");
    create = FindExport<decltype(create)>(comctl, "ImageList_Create");
    add = FindExport<decltype(add)>(comctl, "ImageList_Add");
    draw = FindExport<decltype(draw)>(comctl, "ImageList_Draw");
    count = FindExport<decltype(count)>(comctl, "ImageList_GetImageCount");
    destroy = FindExport<decltype(destroy)>(comctl, "ImageList_Destroy");
  }
  bool IsComplete() const { return create && add && draw && count && destroy; }
};

// Looked up once: lists live as long as the card.
const ImageListFunctions &Functions() {
  static const ImageListFunctions functions;
  return functions;
}

} // namespace

HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial,
                           int grow) {
  const ImageListFunctions &functions = Functions();
  return functions.IsComplete()
             ? functions.create(width, height, flags, initial, grow)
             : nullptr;
}

int AddToImageList(HIMAGELIST list, HBITMAP picture) {
  return list != nullptr ? Functions().add(list, picture, nullptr) : -1;
}

BOOL DrawFromImageList(HIMAGELIST list, int index, HDC dc, int x, int y,
                       UINT style) {
  return list != nullptr ? Functions().draw(list, index, dc, x, y, style)
                         : FALSE;
}

int CountImageListPictures(HIMAGELIST list) {
  return list != nullptr ? Functions().count(list) : 0;
}

BOOL WINAPI DestroyImageList(HIMAGELIST list) {
  return list != nullptr ? Functions().destroy(list) : FALSE;
}

} // namespace slots::win32
