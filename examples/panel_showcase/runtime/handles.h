// Owners of the Win32 handles the program makes, one line a kind.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace showcase {

struct KernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

using UniqueKernelHandle = std::unique_ptr<void, KernelHandleCloser>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

}  // namespace showcase
