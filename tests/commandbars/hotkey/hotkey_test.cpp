// Hot keys under Wine: what HotKey stores for which window, and keys typed with
// their real scan codes into a focused edit: the command at the root, nothing in
// the edit, once in a loop that peeks first, modifiers as the thread holds them
// (also after one was released over another thread's window), F10, and a
// command handler that binds keys itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "commandbars/commandbar_globals.h"
#include "commandbars/hotkey/hotkey_registry.h"
#include "kelvra.h"
#include "tests/support/key_input.h"
#include "tests/support/pointer_input.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using test::PressKey;
using test::ReleaseKey;
using test::TapKey;

struct Command {
  HWND window;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Command> commands;
void (*onCommand)(WPARAM) = nullptr;

LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && lParam == 0) {
    commands.push_back({window, wParam, lParam});
    if (onCommand) onCommand(wParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int32_t Ctrl() { return 8; }
int32_t None() { return 0; }

// HotKey's bindings as the hook finds them, without typing.
std::optional<HotKeyHit> Find(HWND window, int32_t virtualKey, int32_t character, int32_t (*modifiers)() = Ctrl) {
  return FindHotKey(window, virtualKey, character, modifiers);
}

class HotKeys : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartKelvra(); }
  void SetUp() override {
    commands.clear();
    onCommand = nullptr;
    test::ShowAndRaise(top_);
    SetFocus(edit_);
    test::PumpMessages();
  }
  void TearDown() override {
    for (HWND window : {top_.get(), other_.get(), static_cast<HWND>(nullptr)}) HotKey(window, 0, L"");
    onCommand = nullptr;
  }
  int CommandsWithId(WORD id) const {
    int count = 0;
    for (const Command& c : commands) count += LOWORD(c.wParam) == id;
    return count;
  }
  std::wstring TakeEditText() {
    wchar_t text[64] = {};
    GetWindowTextW(edit_, text, 64);
    SetWindowTextW(edit_, L"");
    return text;
  }
  const wchar_t* className_ = test::RegisterTestWindowClass(L"KelvraHotKeyTop", TopProc);
  test::TestWindow top_{className_, WS_OVERLAPPEDWINDOW, 50, 50, 400, 300};
  test::TestWindow edit_{L"EDIT", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, top_};
  test::TestWindow other_{className_, WS_OVERLAPPEDWINDOW, 500, 50, 200, 200};
};

TEST_F(HotKeys, BindingsByWindow) {
  test::TestWindow child(test::PlainWindowClass(), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, edit_);
  EXPECT_EQ(1, HotKey(child, 700, L"ctrl+s"));
  EXPECT_EQ(1, HotKey(other_, 701, L"ctrl+s"));
  EXPECT_EQ(1, HotKey(nullptr, 702, L"ctrl+t"));
  const auto onTop = Find(edit_, 'S', 'S');
  ASSERT_TRUE(onTop);
  EXPECT_EQ(top_.get(), onTop->target) << "a child's keys land on its root";
  EXPECT_EQ(700, onTop->id);
  EXPECT_EQ(701, Find(other_, 'S', 'S')->id);
  EXPECT_FALSE(Find(edit_, 'S', 'S', None)) << "without Ctrl";

  EXPECT_EQ(1, HotKey(top_, 710, L"Ctrl-S"));  // the same keys again: a new id
  EXPECT_EQ(710, Find(edit_, 'S', 'S')->id);
  EXPECT_EQ(1, HotKey(edit_, -1, L"CTRL S"));
  EXPECT_FALSE(Find(edit_, 'S', 'S'));
  EXPECT_EQ(701, Find(other_, 'S', 'S')->id) << "another window's keys stay";

  // Failures change nothing.
  EXPECT_EQ(0, HotKey(top_, 720, nullptr));
  EXPECT_EQ(0, HotKey(top_, 720, L"ctrl+foo"));
  EXPECT_EQ(0, HotKey(reinterpret_cast<HWND>(0x7FFF0000), 720, L"ctrl+u"));
  EXPECT_EQ(0, HotKey(reinterpret_cast<HWND>(-1), 720, L"ctrl+u"));
  EXPECT_FALSE(Find(edit_, 'U', 'U'));
  // "" with a window that does not exist must not drop window 0's keys.
  EXPECT_EQ(0, HotKey(reinterpret_cast<HWND>(0x7FFF0000), 0, L""));
  ASSERT_TRUE(Find(other_, 'T', 'T'));

  // Window 0's keys act on the active window when its own root binds nothing.
  const auto any = Find(other_, 'T', 'T');
  EXPECT_EQ(702, any->id);
  EXPECT_EQ(GetAncestor(GetActiveWindow(), GA_ROOT), any->target);
  EXPECT_EQ(1, HotKey(other_, 0, L""));
  EXPECT_FALSE(Find(other_, 'S', 'S'));
  EXPECT_TRUE(Find(other_, 'T', 'T')) << "window 0's keys stay";
  EXPECT_TRUE(CommandBarState().hotKeyMessageHook);
}

TEST_F(HotKeys, MatchedKeyReachesTheRootAndNotTheEdit) {
  ASSERT_EQ(1, HotKey(edit_, 500, L"shift+a"));
  PressKey(VK_SHIFT);
  TapKey('A');
  ReleaseKey(VK_SHIFT);
  ASSERT_TRUE(test::PumpUntil([] { return !commands.empty(); }, 2000));
  test::PumpMessagesFor(50);
  ASSERT_EQ(1u, commands.size());
  EXPECT_EQ(top_.get(), commands[0].window);
  EXPECT_EQ(static_cast<WPARAM>(500), commands[0].wParam);
  EXPECT_EQ(0, commands[0].lParam);
  EXPECT_EQ(L"", TakeEditText());
  TapKey('A');
  EXPECT_EQ(L"a", TakeEditText()) << "without Shift the key is the edit's";
  EXPECT_EQ(1u, commands.size());
}

// An idle loop that peeks without removing first still fires the key once.
TEST_F(HotKeys, OnceInALoopThatPeeksFirst) {
  ASSERT_EQ(1, HotKey(top_, 501, L"shift+a"));
  test::SendKeyOnly(VK_SHIFT, false);
  test::SendKeyOnly('A', false);
  test::SendKeyOnly('A', true);
  test::SendKeyOnly(VK_SHIFT, true);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 600) {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!GetMessageW(&message, nullptr, 0, 0)) break;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  EXPECT_EQ(1, CommandsWithId(501));
  EXPECT_EQ(L"", TakeEditText());
}

DWORD WINAPI OtherThreadWindow(LPVOID parameter) {
  auto* window = static_cast<std::atomic<HWND>*>(parameter);
  test::TestWindow own(test::PlainWindowClass(), WS_POPUP | WS_VISIBLE, 600, 400, 200, 150);
  *window = own.get();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

// Ctrl pressed here and released over another thread's window: the key-up never
// reaches this thread's queue, and the next plain S must stay a plain S.
TEST_F(HotKeys, ModifierReleasedOverAnotherThreadsWindowIsNotHeld) {
  ASSERT_EQ(1, HotKey(top_, 502, L"ctrl+s"));
  std::atomic<HWND> foreign{nullptr};
  DWORD threadId = 0;
  const HANDLE thread = CreateThread(nullptr, 0, OtherThreadWindow, &foreign, 0, &threadId);
  ASSERT_TRUE(test::PumpUntil([&] { return foreign.load() != nullptr; }, 3000));
  PressKey(VK_CONTROL);
  SetForegroundWindow(foreign);
  ASSERT_TRUE(test::PumpUntil([&] { return GetForegroundWindow() == foreign.load(); }, 2000));
  test::SendKeyOnly(VK_CONTROL, true);
  test::PumpMessagesFor(200);
  SetForegroundWindow(top_);
  SetFocus(edit_);
  ASSERT_TRUE(test::PumpUntil([&] { return GetForegroundWindow() == top_.get(); }, 2000));
  test::SendKeyOnly('S', false);
  test::SendKeyOnly('S', true);
  ASSERT_TRUE(test::PumpUntil([&] { return GetWindowTextLengthW(edit_) > 0 || !commands.empty(); }, 2000));
  EXPECT_EQ(0, CommandsWithId(502)) << "Ctrl+S fired with Ctrl up";
  EXPECT_EQ(L"s", TakeEditText());
  PostThreadMessageW(threadId, WM_QUIT, 0, 0);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
}

TEST_F(HotKeys, ModifiersInAnyOrderAndF10) {
  ASSERT_EQ(1, HotKey(top_, 503, L"alt+shift+x"));
  ASSERT_EQ(1, HotKey(top_, 504, L"f10"));
  ASSERT_EQ(1, HotKey(top_, 505, L"shift+f10"));
  PressKey(VK_MENU);
  PressKey(VK_SHIFT);  // after Alt
  TapKey('X');
  ReleaseKey(VK_SHIFT);
  ReleaseKey(VK_MENU);
  EXPECT_TRUE(test::PumpUntil([this] { return CommandsWithId(503) == 1; }, 2000));
  // F10 comes as WM_SYSKEYDOWN without Alt; Shift+F10 would open the edit's
  // context menu if it got through, so the window itself has the focus here.
  SetFocus(top_);
  TapKey(VK_F10);
  EXPECT_TRUE(test::PumpUntil([this] { return CommandsWithId(504) == 1; }, 2000));
  PressKey(VK_SHIFT);
  TapKey(VK_F10);
  ReleaseKey(VK_SHIFT);
  EXPECT_TRUE(test::PumpUntil([this] { return CommandsWithId(505) == 1; }, 2000));
  test::PumpMessagesFor(50);
  EXPECT_EQ(1, CommandsWithId(504));
  EXPECT_EQ(3u, commands.size());
}

DWORD WINAPI BindFromAnotherThread(LPVOID parameter) {
  *static_cast<int*>(parameter) = HotKey(nullptr, 599, L"ctrl+q");
  return 0;
}

// The lock is let go before the command goes out: its handler may bind keys, and
// so may another thread it waits for.
TEST_F(HotKeys, CommandHandlerMayBindKeys) {
  ASSERT_EQ(1, HotKey(top_, 506, L"shift+b"));
  static int fromHere = 0, fromThere = 0;
  static DWORD waited = 0;
  onCommand = [](WPARAM) {
    fromHere = HotKey(nullptr, 598, L"ctrl+w");
    const DWORD start = GetTickCount();
    const HANDLE thread = CreateThread(nullptr, 0, BindFromAnotherThread, &fromThere, 0, nullptr);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    waited = GetTickCount() - start;
  };
  PressKey(VK_SHIFT);
  TapKey('B');
  ReleaseKey(VK_SHIFT);
  ASSERT_TRUE(test::PumpUntil([this] { return CommandsWithId(506) == 1; }, 3000));
  EXPECT_EQ(1, fromHere);
  EXPECT_EQ(1, fromThere);
  EXPECT_LT(waited, 800u) << "the other thread waited for HotKeyLock";
}

}  // namespace
}  // namespace kelvra
