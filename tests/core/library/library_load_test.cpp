// Kelvra.dll as an application meets it: LoadLibraryW, StartKelvra, Kelvra_End and
// FreeLibrary, run again with GDI+, UxTheme or dwmapi switched off (ctest variants).
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "tests/support/win_test_helpers.h"

namespace {

using VoidFn = void(WINAPI*)();
using IntFn = int(WINAPI*)();

constexpr wchar_t kMailboxClass[] = L"Kelvra_Animation Thread";

struct Library {
  HMODULE module = nullptr;
  IntFn start = nullptr;
  IntFn end = nullptr;

  bool Load() {
    module = LoadLibraryW(L"Kelvra.dll");
    if (!module) return false;
    start = reinterpret_cast<IntFn>(reinterpret_cast<void*>(GetProcAddress(module, "StartKelvra")));
    end = reinterpret_cast<IntFn>(reinterpret_cast<void*>(GetProcAddress(module, "Kelvra_End")));
    return start && end;
  }
};

// The DLL switched off by this run's WINEDLLOVERRIDES ("gdiplus=d" and so on), or "".
std::wstring DisabledDll() {
  wchar_t value[512] = {};
  GetEnvironmentVariableW(L"WINEDLLOVERRIDES", value, 512);
  std::wstring overrides(value);
  for (const wchar_t* dll : {L"gdiplus", L"uxtheme", L"dwmapi"})
    if (overrides.find(std::wstring(dll) + L"=d") != std::wstring::npos) return dll;
  return L"";
}

// Message-only windows are seen across processes (other test programs run in
// parallel), so only this process's mailboxes count.
HWND NextOwnMailbox(HWND after) {
  for (HWND w = after; (w = FindWindowExW(HWND_MESSAGE, w, kMailboxClass, nullptr));) {
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process == GetCurrentProcessId()) return w;
  }
  return nullptr;
}

int CountMailboxes() {
  int count = 0;
  for (HWND w = nullptr; (w = NextOwnMailbox(w));) ++count;
  return count;
}

// The mailbox is made by the animation thread itself, shortly after StartKelvra.
HWND WaitForMailbox() {
  for (int i = 0; i < 300; ++i) {
    if (HWND w = NextOwnMailbox(nullptr)) return w;
    Sleep(10);
  }
  return nullptr;
}

int CountProcessThreads() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL ok = Thread32First(snapshot, &entry); ok; ok = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

LRESULT CALLBACK OwnProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

HWND MakeOwnWindow() {
  return CreateWindowExW(0, kelvra::test::RegisterTestWindowClass(L"LoadTestOwnWindow", OwnProc), L"",
                         WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The animation thread, found through its mailbox and opened before it can end.
HANDLE OpenAnimationThread(HWND mailbox) {
  DWORD id = GetWindowThreadProcessId(mailbox, nullptr);
  return id ? OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, id) : nullptr;
}

TEST(LibraryLoad, StartTwiceEndTwiceUnload) {
  const std::wstring disabled = DisabledDll();
  HWND own = MakeOwnWindow();
  ASSERT_TRUE(own);

  Library lib;
  ASSERT_TRUE(lib.Load());
  // Loading registers no class and subclasses nothing.
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(GetClassInfoExW(lib.module, L"Kelvra_PanelEx", &info));
  EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"Kelvra_PanelEx", &info));
  EXPECT_FALSE(GetClassInfoExW(lib.module, kMailboxClass, &info));
  EXPECT_EQ(0, CountMailboxes());

  EXPECT_EQ(0, lib.start());
  HWND mailbox = WaitForMailbox();
  ASSERT_TRUE(mailbox);
  HANDLE thread = OpenAnimationThread(mailbox);
  ASSERT_TRUE(thread);
  const int threadsAfterFirst = CountProcessThreads();

  EXPECT_EQ(0, lib.start());
  Sleep(50);
  EXPECT_EQ(1, CountMailboxes());
  EXPECT_EQ(threadsAfterFirst, CountProcessThreads());
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(OwnProc), GetWindowLongPtrW(own, GWLP_WNDPROC))
      << "a window made before StartKelvra keeps its own procedure";

  if (!disabled.empty())
    EXPECT_EQ(nullptr, GetModuleHandleW((disabled + L".dll").c_str())) << "switched off, yet loaded";
  else
    EXPECT_NE(nullptr, GetModuleHandleW(L"gdiplus.dll")) << "StartKelvra starts GDI+";

  EXPECT_EQ(0, lib.end());
  EXPECT_EQ(0, CountMailboxes());
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 2000));
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(1337u, code);
  CloseHandle(thread);
  EXPECT_EQ(nullptr, GetModuleHandleW(L"gdiplus.dll")) << "GDI+ shut down and unloaded";
  EXPECT_FALSE(IsWindow(own)) << "Kelvra_End destroys the process's top-level windows";

  // The mailbox class goes with its thread: left registered, its procedure would
  // point into the DLL once FreeLibrary has unmapped it.
  EXPECT_FALSE(GetClassInfoExW(lib.module, kMailboxClass, &info));
  EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), kMailboxClass, &info));

  EXPECT_EQ(0, lib.end());  // a second end finds nothing to do

  const DWORD before = GetTickCount();
  EXPECT_TRUE(FreeLibrary(lib.module));
  EXPECT_LT(GetTickCount() - before, 1500u);
  EXPECT_EQ(nullptr, GetModuleHandleW(L"Kelvra.dll"));
}

// An application that only calls FreeLibrary: the detach runs under the loader
// lock, where the library may not wait for its thread to exit. It must still stop
// the thread and return promptly, and a later load must start cleanly.
TEST(LibraryLoad, FreeLibraryWithoutEndThenReload) {
  Library lib;
  ASSERT_TRUE(lib.Load());
  EXPECT_EQ(0, lib.start());
  HWND mailbox = WaitForMailbox();
  ASSERT_TRUE(mailbox);
  HANDLE thread = OpenAnimationThread(mailbox);
  ASSERT_TRUE(thread);

  const DWORD before = GetTickCount();
  EXPECT_TRUE(FreeLibrary(lib.module));
  EXPECT_LT(GetTickCount() - before, 2500u);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 2000));
  CloseHandle(thread);
  EXPECT_EQ(0, CountMailboxes());
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(GetClassInfoExW(lib.module, kMailboxClass, &info)) << "unregistered under the loader lock too";

  // Loaded again (perhaps at another address): the mailbox class must not still
  // point into the unloaded copy.
  Library again;
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(0, again.start());
  mailbox = WaitForMailbox();
  ASSERT_TRUE(mailbox);
  thread = OpenAnimationThread(mailbox);
  ASSERT_TRUE(thread);
  EXPECT_EQ(0, again.end());
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 2000));
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(1337u, code);
  CloseHandle(thread);
  EXPECT_TRUE(FreeLibrary(again.module));
}

// FreeLibrary at once after StartKelvra, before the animation thread could run a
// line: the detach under the loader lock cannot wait for a thread that is still
// in the system's start-up (which needs that lock), and the thread used to start
// after the module had gone, at an unmapped address (a page fault, this process
// gone). StartKelvra now returns once the thread is running.
TEST(LibraryLoad, FreeLibraryRightAfterStart) {
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE(round);
    Library lib;
    ASSERT_TRUE(lib.Load());
    EXPECT_EQ(0, lib.start());
    EXPECT_EQ(1, CountMailboxes()) << "the thread is running when StartKelvra returns";
    EXPECT_TRUE(FreeLibrary(lib.module));
    EXPECT_EQ(nullptr, GetModuleHandleW(L"Kelvra.dll"));
    EXPECT_EQ(0, CountMailboxes());
  }
  Sleep(200);  // time for a thread left behind to reach the unmapped code
}

}  // namespace
