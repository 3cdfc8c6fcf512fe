// Shadow windows: the "Kelvra_DropShadow" class, CreateDropShadow and the window
// procedure that frees each window's picture, and their end with the library.
#include "core/shadow/drop_shadow.h"

#include <algorithm>
#include <vector>

#include "core/library/library_globals.h"
#include "core/shadow/menu_shadow_registry.h"
#include "core/shadow/strip_cache.h"

namespace kelvra {

namespace {

// The largest strip side: the window system clamps coordinates near 32767, so a
// longer strip could never be seen, and its bitmap could be huge.
constexpr int32_t kMaxShadowExtent = 32767;

bool classRegistered = false;

bool RegisterDropShadowClass() {
  if (classRegistered) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = 0;
  wc.lpfnWndProc = DropShadowProc;
  wc.hInstance = LibraryModule();
  wc.lpszClassName = kDropShadowClass;
  classRegistered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return classRegistered;
}

// The window's picture: its own DIB section in its own memory DC, filled from the
// cached strip by runs along the strip.
bool FillPicture(DropShadowWindow& record, const StripCache& cache, bool vertical, const StripExtent& extent,
                 uint32_t flags) {
  const int32_t cacheLength = vertical ? cache.height : cache.width;
  const StripRuns runs = PieceRuns(flags, extent.size, extent.thickness, cacheLength);
  for (int i = 0; i < runs.count; ++i) {
    const StripRun& run = runs.runs[i];
    const BOOL copied = vertical
        ? BitBlt(record.memoryDc, 0, run.target, extent.thickness, run.count, cache.memoryDc, 0, run.source, SRCCOPY)
        : BitBlt(record.memoryDc, run.target, 0, run.count, extent.thickness, cache.memoryDc, run.source, 0, SRCCOPY);
    if (!copied) return false;
  }
  return true;
}

void ClearCut(DropShadowWindow& record, int32_t width, int32_t height, const RECT& cut) {
  GdiFlush();  // the copies into the DIB section must have landed before its bits are written
  const int32_t left = std::clamp<int32_t>(cut.left, 0, width), right = std::clamp<int32_t>(cut.right, 0, width);
  const int32_t top = std::clamp<int32_t>(cut.top, 0, height), bottom = std::clamp<int32_t>(cut.bottom, 0, height);
  for (int32_t y = top; y < bottom; ++y)
    std::fill(record.bits + static_cast<size_t>(y) * width + left, record.bits + static_cast<size_t>(y) * width + right, 0u);
}

HWND MakeDropShadow(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour, int32_t opacity,
                    uint32_t flags, const RECT* cut) {
  std::unique_lock lock(ShadowStateLock());
  if (flags & kShadowFreeCaches) return reinterpret_cast<HWND>(static_cast<intptr_t>(FreeStripCaches() ? 1 : 0));
  if (!RegisterDropShadowClass()) return nullptr;
  if (width < 1 || height < 1 || opacity < 1 || opacity > 255) return nullptr;
  if (width > kMaxShadowExtent || height > kMaxShadowExtent) return nullptr;
  const bool vertical = (flags & kShadowVertical) != 0;
  const StripExtent extent = StripExtentOf(width, height, flags);

  // Not held while the window is made: creation sends messages, and no other
  // thread should wait on them.
  lock.unlock();
  const HWND window = CreateWindowExW(kDropShadowExStyle, kDropShadowClass, nullptr, WS_POPUP, x, y, width, height,
                                      nullptr, nullptr, LibraryModule(), nullptr);
  if (!window) return nullptr;
  lock.lock();

  auto made = std::make_unique<DropShadowWindow>();
  made->window = window;
  made->bitmap = CreateShadowBitmap(width, height, &made->bits);
  made->memoryDc = made->bitmap ? CreateCompatibleDC(nullptr) : nullptr;
  if (made->memoryDc) made->oldBitmap = SelectObject(made->memoryDc, made->bitmap);
  StripCache* cache = made->memoryDc ? StripCacheFor(vertical, extent.thickness, static_cast<int32_t>(extent.length),
                                                     opacity, colour)
                                     : nullptr;
  if (!cache || !FillPicture(*made, *cache, vertical, extent, flags)) {
    made.reset();
    lock.unlock();
    DestroyWindow(window);
    return nullptr;
  }
  if (cut) ClearCut(*made, width, height, *cut);
  DropShadowWindow* record = DropShadowList().Append(std::move(made));
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
  const HDC pictureDc = record->memoryDc;
  lock.unlock();

  POINT position{x, y};
  SIZE size{width, height};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, &position, &size, pictureDc, &origin, 0, &blend, ULW_ALPHA);
  ShowWindow(window, SW_SHOWNA);
  return window;
}

}  // namespace

DropShadowWindow::~DropShadowWindow() {
  if (memoryDc) {
    if (oldBitmap) SelectObject(memoryDc, oldBitmap);
    DeleteDC(memoryDc);
  }
  if (bitmap) DeleteObject(bitmap);
}

ControlList<DropShadowWindow>& DropShadowList() {
  static ControlList<DropShadowWindow> list;
  return list;
}

HWND CreateDropShadow(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour, int32_t opacity,
                      uint32_t flags) {
  try {
    return MakeDropShadow(x, y, width, height, colour, opacity, flags, nullptr);
  } catch (...) {
    return nullptr;
  }
}

HWND CreateDropShadowWithCut(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour, int32_t opacity,
                             uint32_t flags, const RECT& cut) {
  try {
    return MakeDropShadow(x, y, width, height, colour, opacity, flags & ~kShadowFreeCaches, &cut);
  } catch (...) {
    return nullptr;
  }
}

bool IsDropShadowWindow(HWND window) {
  if (!window || !IsWindow(window)) return false;
  const auto* record = reinterpret_cast<const DropShadowWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  std::lock_guard lock(ShadowStateLock());
  return record && DropShadowList().Contains(record) && record->window == window;
}

LRESULT CALLBACK DropShadowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_DESTROY) return DefWindowProcW(window, message, wParam, lParam);
  try {
    auto* record = reinterpret_cast<DropShadowWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    std::lock_guard lock(ShadowStateLock());
    // Only a record of this list and of this window: the user data is anyone's to write.
    if (record && DropShadowList().Contains(record) && record->window == window) DropShadowList().Remove(record);
  } catch (...) {
  }
  return 0;
}

void EndDropShadows() {
  ForgetMenuShadowSets();
  std::vector<HWND> own;
  {
    std::lock_guard lock(ShadowStateLock());
    const DWORD thread = GetCurrentThreadId();
    DropShadowList().ForEach([&](DropShadowWindow& record) {
      if (IsWindow(record.window) && GetWindowThreadProcessId(record.window, nullptr) == thread) {
        own.push_back(record.window);
        return;
      }
      // Another thread's window cannot be destroyed from here; it must not call
      // into a module that may be unloaded next, and its picture is no longer read.
      if (IsWindow(record.window)) {
        SetWindowLongPtrW(record.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        SetWindowLongPtrW(record.window, GWLP_USERDATA, 0);
      }
      DropShadowList().Remove(&record);
    });
  }
  for (HWND window : own) DestroyWindow(window);
  std::lock_guard lock(ShadowStateLock());
  FreeStripCaches();
  if (classRegistered) UnregisterClassW(kDropShadowClass, LibraryModule());
  classRegistered = false;
}

}  // namespace kelvra
