#pragma once

#include <windows.h>

#include <commctrl.h>

namespace slots::win32 {

// The common controls' picture lists, taken from comctl32 in the system
// folder the first time a list is made (see system_library.h). Where comctl32
// cannot be loaded, no list is made and the others do nothing.
HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial,
                           int grow);
int AddToImageList(HIMAGELIST list, HBITMAP picture);
BOOL DrawFromImageList(HIMAGELIST list, int index, HDC dc, int x, int y,
                       UINT style);
int CountImageListPictures(HIMAGELIST list);
BOOL WINAPI DestroyImageList(HIMAGELIST list);

} // namespace slots::win32
