// Rebars through Kelvra.dll loaded at run time: the end takes every rebar hook
// with it, so the thread's mouse messages after the unload reach no unmapped code.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"

namespace {

using kelvra::test::LoadedKelvra;

struct Library : LoadedKelvra {
  int(WINAPI* create)(int, HWND, HBITMAP, int, int) = nullptr;
  int(WINAPI* add)(HWND, LPCWSTR, int, int, int, HBITMAP, int) = nullptr;
  HWND(WINAPI* id)(int) = nullptr;
  int(WINAPI* free)(int) = nullptr;

  bool Load() {
    return LoadWithStartAndEnd() && Bind(create, "CreateRebar") && Bind(add, "AddRebarGadget") &&
           Bind(id, "RebarID") && Bind(free, "FreeRebar");
  }
};

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
}

TEST(RebarLibrary, EndRemovesTheRebarHooks) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_COOL_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Library library;
  ASSERT_TRUE(library.Load());
  library.start();
  const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr,
                                    nullptr, nullptr);
  SetWindowPos(host, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(host);
  const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 30, host, nullptr, nullptr,
                                     nullptr);
  const int number = library.create(-1, host, nullptr, 0, 0);
  ASSERT_NE(0, number);
  const HWND rebar = library.id(number);
  EXPECT_EQ(0, library.add(child, L"", 200, 20, 30, nullptr, 0x800000));
  SetWindowPos(rebar, nullptr, 0, 0, 400, 40, SWP_NOZORDER);

  // On the sizable band's top edge: the mouse hook is in, and the cursor hook too.
  RECT band{};
  SendMessageW(rebar, RB_GETRECT, 0, reinterpret_cast<LPARAM>(&band));
  MapWindowPoints(rebar, HWND_DESKTOP, reinterpret_cast<POINT*>(&band), 2);
  SetCursorPos(band.left + 20, band.top + 1);
  PumpFor(200);
  SetCursorPos(band.left + 25, band.top);
  PumpFor(200);

  library.end();
  kelvra::test::FreeAndExpectUnloaded(library.module);
  // Any hook left behind would now be called at an address that is gone.
  const HWND after = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr,
                                     nullptr, nullptr);
  SetWindowPos(after, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  for (int i = 0; i < 5; ++i) {
    SetCursorPos(band.left + 30 + i * 10, band.top + 1 + i);
    PumpFor(60);
  }
  SendMessageW(after, WM_SETCURSOR, reinterpret_cast<WPARAM>(after), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_TRUE(IsWindow(after));
  SetCursorPos(1023, 767);
  DestroyWindow(after);
  if (IsWindow(host)) DestroyWindow(host);
}

}  // namespace
