// A window's class name, read into a small buffer for comparison.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace kelvra {

// The class names the library compares are short; longer ones match nothing
// anyway. A null or dead window reads as the empty name.
class WindowClassName {
 public:
  explicit WindowClassName(HWND window) {
    const int length = window ? GetClassNameW(window, buffer_, 64) : 0;
    view_ = std::wstring_view(buffer_, length > 0 ? static_cast<std::size_t>(length) : 0);
  }
  WindowClassName(const WindowClassName&) = delete;
  WindowClassName& operator=(const WindowClassName&) = delete;

  std::wstring_view view() const { return view_; }
  bool operator==(std::wstring_view name) const { return view_ == name; }

 private:
  wchar_t buffer_[64];
  std::wstring_view view_;
};

// The system's popup menu windows.
constexpr std::wstring_view kPopupMenuClass = L"#32768";

}  // namespace kelvra
