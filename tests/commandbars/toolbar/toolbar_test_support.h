// What the toolbar tests share: a shown host window that records the notices its
// toolbars send, solid-colour icons, and reading back which colour a button shows.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "commandbars/toolbar/toolbar_registry.h"
#include "kelvra.h"
#include "tests/support/pointer_input.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

// What a host window got from its toolbars.
struct ToolbarNotice {
  UINT message;  // WM_NOTIFY or WM_COMMAND
  int code;      // the notification code (WM_COMMAND: its high word)
  int id;        // idFrom / iItem, or the command id
  HWND from;
};

inline std::vector<ToolbarNotice>& HostNotices() {
  static std::vector<ToolbarNotice> notices;
  return notices;
}

inline LRESULT CALLBACK RecordingHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    int id = static_cast<int>(header->idFrom);
    if (header->code == static_cast<UINT>(TBN_DROPDOWN)) id = reinterpret_cast<const NMTOOLBARW*>(lParam)->iItem;
    HostNotices().push_back({message, static_cast<int>(header->code), id, header->hwndFrom});
    if (header->code == static_cast<UINT>(TBN_DROPDOWN)) return TBDDRET_DEFAULT;
  } else if (message == WM_COMMAND) {
    HostNotices().push_back({message, HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam)});
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

inline void EnsureToolbarTestsStarted() {
  static const bool started = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    StartKelvra();
    return true;
  }();
  (void)started;
}

// A shown, raised top-level window recording its notices; destroyed with the object.
class ToolbarHost {
 public:
  explicit ToolbarHost(int width = 600, int height = 200)
      : window_(CreateWindowExW(0, RegisterTestWindowClass(L"KelvraToolbarTestHost", RecordingHostProc), L"",
                                WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {
    ShowAndRaise(window_);
    HostNotices().clear();
  }
  ~ToolbarHost() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  ToolbarHost(const ToolbarHost&) = delete;
  ToolbarHost& operator=(const ToolbarHost&) = delete;
  HWND get() const { return window_; }
  operator HWND() const { return window_; }

 private:
  HWND window_;
};

inline HWND Window(int numberOrWindow) { return reinterpret_cast<HWND>(static_cast<intptr_t>(numberOrWindow)); }
inline int Key(HWND window) { return static_cast<int>(reinterpret_cast<intptr_t>(window)); }

// A 32-bit icon of one colour (0xAARRGGBB), size x size; the caller destroys it.
inline HICON SolidIcon(int size, uint32_t argb) {
  Dib32 colour(size, size, argb);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour.bitmap()};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  return icon;
}

// Icons destroyed with the object.
class Icons {
 public:
  HICON Make(int size, uint32_t argb) {
    icons_.push_back(SolidIcon(size, argb));
    return icons_.back();
  }
  ~Icons() {
    for (HICON icon : icons_) DestroyIcon(icon);
  }

 private:
  std::vector<HICON> icons_;
};

// Colours as the screen shows them (COLORREF order).
inline constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;

// Repaints the toolbar now and returns how many pixels of its button at `index`
// show exactly `argb` (alpha ignored).
inline int PixelsOfColour(HWND toolbar, int index, uint32_t argb) {
  RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT item{};
  if (!SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item))) return -1;
  RECT client{};
  GetClientRect(toolbar, &client);
  Dib32 shot(client.right, client.bottom);
  CaptureClientArea(toolbar, shot);
  int count = 0;
  for (int y = item.top; y < item.bottom && y < shot.height(); ++y)
    for (int x = item.left; x < item.right && x < shot.width(); ++x)
      if ((shot.Pixel(x, y) & 0xFFFFFF) == (argb & 0xFFFFFF)) ++count;
  return count;
}

// Which of the given colours the button at `index` shows most of (at least 20
// pixels); 0 for none.
inline uint32_t ShownColour(HWND toolbar, int index, std::initializer_list<uint32_t> colours) {
  uint32_t best = 0;
  int bestCount = 19;
  for (uint32_t colour : colours) {
    const int count = PixelsOfColour(toolbar, index, colour);
    if (count > bestCount) {
      best = colour;
      bestCount = count;
    }
  }
  return best;
}

// A TBBUTTONINFOW asking for `mask`.
inline TBBUTTONINFOW ButtonInfo(DWORD mask) {
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = mask;
  return info;
}

inline int ButtonCount(HWND toolbar) { return static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0)); }

// Each image list holds one image per button, and every button's image index is
// its own (or I_IMAGENONE).
inline void ExpectListsInStep(int toolbarKey) {
  const ToolBarExRecord* toolbar = FindToolBarEx(toolbarKey);
  ASSERT_NE(toolbar, nullptr);
  const HWND window = toolbar->Window();
  const int count = ButtonCount(window);
  for (HIMAGELIST list : {toolbar->normalList, toolbar->hotList, toolbar->disabledList})
    EXPECT_EQ(ImageList_GetImageCount(list), count);
  for (int index = 0; index < count; ++index) {
    TBBUTTON button{};
    SendMessageW(window, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
    if (button.iBitmap != I_IMAGENONE) {
      EXPECT_EQ(button.iBitmap, index) << "button " << index;
    }
  }
}

}  // namespace kelvra::test
