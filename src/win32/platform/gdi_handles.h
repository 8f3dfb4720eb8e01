#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <utility>

namespace slots::win32 {

// The kinds of handle Windows keeps apart, as GetGuiResources counts them.
enum class HandleKind { Gdi, User, Kernel };
inline constexpr std::size_t kHandleKindCount = 3;

// Handles the owners below hold right now, per kind, across the process:
// long runs read them to see that nothing piles up, since Wine answers 0 to
// GetGuiResources.
class LiveHandleCounts {
public:
  static long Count(HandleKind kind) { return Counter(kind).load(); }
  static void Add(HandleKind kind) { ++Counter(kind); }
  static void Remove(HandleKind kind) { --Counter(kind); }

private:
  static std::atomic<long> &Counter(HandleKind kind) {
    static std::array<std::atomic<long>, kHandleKindCount> counts{};
    return counts[static_cast<std::size_t>(kind)];
  }
};

// Owns one handle of the kind and closes it with Close; movable, not
// copyable.
template <typename Handle, BOOL(WINAPI *Close)(Handle), HandleKind Kind>
class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) { CountIn(handle); }
  UniqueHandle(const UniqueHandle &) = delete;
  UniqueHandle &operator=(const UniqueHandle &) = delete;
  UniqueHandle(UniqueHandle &&other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle &operator=(UniqueHandle &&other) noexcept {
    if (this != &other) {
      Reset();
      // Counted once already, when the other owner took it.
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) {
      Close(handle_);
      LiveHandleCounts::Remove(Kind);
    }
    handle_ = handle;
    CountIn(handle);
  }
  Handle Release() {
    if (handle_ != nullptr) {
      LiveHandleCounts::Remove(Kind);
    }
    return std::exchange(handle_, nullptr);
  }

private:
  static void CountIn(Handle handle) {
    if (handle != nullptr) {
      LiveHandleCounts::Add(Kind);
    }
  }

  Handle handle_ = nullptr;
};

template <typename Object> BOOL WINAPI DeleteTypedGdiObject(Object object) {
  return DeleteObject(object);
}

template <typename Object>
using UniqueGdiObject =
    UniqueHandle<Object, DeleteTypedGdiObject<Object>, HandleKind::Gdi>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDC, HandleKind::Gdi>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon, HandleKind::User>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu, HandleKind::User>;
using UniqueHook = UniqueHandle<HHOOK, UnhookWindowsHookEx, HandleKind::User>;
using UniqueKernelHandle =
    UniqueHandle<HANDLE, CloseHandle, HandleKind::Kernel>;
using UniqueFindHandle = UniqueHandle<HANDLE, FindClose, HandleKind::Kernel>;

// A device context borrowed from a window (or the screen) with GetDC.
class WindowDc {
public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {
    if (dc_ != nullptr) {
      LiveHandleCounts::Add(HandleKind::Gdi);
    }
  }
  WindowDc(const WindowDc &) = delete;
  WindowDc &operator=(const WindowDc &) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) {
      ReleaseDC(window_, dc_);
      LiveHandleCounts::Remove(HandleKind::Gdi);
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
