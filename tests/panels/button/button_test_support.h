// What the button tests share: the panel tests' started library and recording
// host, a look at button records, and small images.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "panels/button/button_registry.h"
#include "tests/panels/panel/panel_test_support.h"
#include "tests/support/pointer_input.h"

namespace kelvra::test {

inline const ButtonExRecord* Button(int numberOrWindow) { return FindButtonEx(numberOrWindow); }
inline int Shown(int button) { return Button(button) ? Button(button)->shown : -1; }
inline int Check(int button) { return Button(button) ? Button(button)->check : -1; }
inline HWND PageOf(int button) { return Button(button) ? Button(button)->page : nullptr; }

// A 32-bit icon of one colour (0xAARRGGBB), size x size; the caller destroys it.
inline HICON SolidIcon(int size, uint32_t argb) {
  Dib32 colour(size, size, argb);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour.bitmap()};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  return icon;
}

// A 32-bit DIB-section bitmap of one colour; the caller deletes it.
inline HBITMAP SolidBitmap(int width, int height, uint32_t argb) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap)
    for (int i = 0; i < width * height; ++i) static_cast<uint32_t*>(bits)[i] = argb;
  return bitmap;
}

// The centre of a window's rectangle, in screen coordinates.
inline POINT CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Buttons on the shown, raised host with the real pointer kept off them between
// tests; every button goes at the end of each.
class ButtonsOnScreen : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
    ShowAndRaise(host_);
    MovePointerAway();
  }
  void TearDown() override {
    MovePointerAway();
    FreeButtonEx(-1);
  }

  HWND host_ = nullptr;
};

inline int PanelCount() {
  LockGuard lock(Locks().panel);
  return static_cast<int>(PanelExList().Size());
}

}  // namespace kelvra::test
