#pragma once

#include <windows.h>

#include <utility>

namespace slots::win32 {

// Owns one handle and closes it with Close; movable, not copyable.
template <typename Handle, BOOL(WINAPI *Close)(Handle)> class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle &) = delete;
  UniqueHandle &operator=(const UniqueHandle &) = delete;
  UniqueHandle(UniqueHandle &&other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle &operator=(UniqueHandle &&other) noexcept {
    if (this != &other) {
      Reset(std::exchange(other.handle_, nullptr));
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) {
      Close(handle_);
    }
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, nullptr); }

private:
  Handle handle_ = nullptr;
};

template <typename Object> BOOL WINAPI DeleteTypedGdiObject(Object object) {
  return DeleteObject(object);
}

using UniqueFont = UniqueHandle<HFONT, DeleteTypedGdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteTypedGdiObject<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, DeleteTypedGdiObject<HPEN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteTypedGdiObject<HBITMAP>>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDC>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseHandle>;
using UniqueFindHandle = UniqueHandle<HANDLE, FindClose>;

// A device context borrowed from a window (or the screen) with GetDC.
class WindowDc {
public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc &) = delete;
  WindowDc &operator=(const WindowDc &) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) {
      ReleaseDC(window_, dc_);
    }
  }
  HDC Get() const { return dc_; }

private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintDc {
public:
  explicit PaintDc(HWND window) : window_(window) {
    dc_ = BeginPaint(window, &paint_);
  }
  PaintDc(const PaintDc &) = delete;
  PaintDc &operator=(const PaintDc &) = delete;
  ~PaintDc() { EndPaint(window_, &paint_); }
  HDC Get() const { return dc_; }

private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject &) = delete;
  SelectedObject &operator=(const SelectedObject &) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

private:
  HDC dc_;
  HGDIOBJ previous_;
};

} // namespace slots::win32
