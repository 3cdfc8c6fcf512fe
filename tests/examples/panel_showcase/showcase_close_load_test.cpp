// The real program, started as a user would start it from its folder: it opens
// its window and, asked to close (WM_CLOSE), ends with exit code 0 within 5 s,
// three runs in a row.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr wchar_t kTitle[] = L"Panel Example2: Advanced effects! Resize the main window!";

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  if (owner != search->processId || !IsWindowVisible(window) || wcscmp(title, kTitle) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

// The program's own window: a test elsewhere may show one with the same title.
HWND ShownWindowOf(DWORD processId) {
  Search search{processId, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(ShowcaseProgram, ClosesWithExitCodeZeroThreeRunsInARow) {
  for (int run = 0; run < 3; ++run) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    wchar_t command[] = L"panel_showcase.exe";
    ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << "run " << run << ": panel_showcase.exe is missing beside the test";
    HWND window = nullptr;
    const DWORD start = GetTickCount();
    // Another process: nothing to wait on but its window turning up.
    while (!(window = ShownWindowOf(process.dwProcessId)) && GetTickCount() - start < 30000 &&
           WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
    }
    EXPECT_NE(window, nullptr) << "run " << run << ": no window appeared";
    if (window) {
      PostMessageW(window, WM_CLOSE, 0, 0);
      EXPECT_EQ(WaitForSingleObject(process.hProcess, 5000), WAIT_OBJECT_0) << "run " << run;
    }
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    if (code == STILL_ACTIVE) TerminateProcess(process.hProcess, 99);
    EXPECT_EQ(code, 0u) << "run " << run;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace
