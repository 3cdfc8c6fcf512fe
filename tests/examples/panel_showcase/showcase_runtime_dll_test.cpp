// The showcase's own runtime and drawing pieces: the worker thread and its join,
// the guarded particle list, the stars' panel callback, the star thread, the
// window callback with its close event, and the order of the program's end.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "premultiplied_bitmap.h"
#include "runtime/guarded_list.h"
#include "runtime/window_callback.h"
#include "runtime/worker_thread.h"
#include "showcase_program.h"
#include "showcase_state.h"
#include "star_animation.h"
#include "stars_panel_callback.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::test::Dib32;
using kelvra::test::PumpMessages;

// A window that counts its paints.
std::atomic<int> paints{0};
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    ++paints;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
// One shown window for the whole program: under Wine without a window manager,
// destroying a shown top-level window waits two seconds for X to withdraw it.
HWND CountingWindow() {
  static HWND window = nullptr;
  if (window) return window;
  const wchar_t* name = kelvra::test::RegisterTestWindowClass(L"ShowcaseCountingWindow", CountingProc);
  window = CreateWindowExW(0, name, L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  EXPECT_TRUE(window);
  return window;
}

// Pumps this thread's messages until `done` holds or about `milliseconds` pass.
template <class Condition>
bool PumpUntil(Condition done, DWORD milliseconds = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

class ShowcaseRuntime : public testing::Test {
 protected:
  void TearDown() override {
    showcase::Showcase().starThread.StopAndJoin(5000);
    showcase::ReleaseShowcaseObjects(showcase::Showcase());
  }
};

TEST_F(ShowcaseRuntime, JoiningAThreadThatRepaintsThroughThisThreadEndsPromptly) {
  HWND window = CountingWindow();
  ASSERT_NE(window, nullptr);
  std::atomic<int> rounds{0};
  showcase::WorkerThread thread;
  ASSERT_TRUE(thread.Start([&](const showcase::StopSignal& stop) {
    do {
      // Blocks until this test's thread paints: a join that only waited would hang here.
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      ++rounds;
    } while (!stop.WaitFor(5));
  }));
  EXPECT_FALSE(thread.Start([](const showcase::StopSignal&) {})) << "one thread at a time";
  ASSERT_TRUE(PumpUntil([&] { return rounds >= 3; }));
  EXPECT_GE(paints.load(), 3);
  EXPECT_TRUE(thread.Running());

  const DWORD start = GetTickCount();
  EXPECT_TRUE(thread.StopAndJoin(5000));
  EXPECT_LT(GetTickCount() - start, 2000u);
  EXPECT_FALSE(thread.Running());
  const int after = rounds;
  PumpMessages();
  EXPECT_EQ(rounds.load(), after);
  EXPECT_TRUE(thread.StopAndJoin(0)) << "nothing left to join";
}

TEST_F(ShowcaseRuntime, TryingTheListNeverWaits) {
  showcase::GuardedList<int> list;
  list.Lock().items().push_back(1);
  {
    const auto tried = list.TryLock();
    ASSERT_TRUE(tried);
    EXPECT_EQ(tried.items().size(), 1u);
  }
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    const auto access = list.Lock();
    SetEvent(held);
    WaitForSingleObject(release, 5000);
  });
  ASSERT_EQ(WaitForSingleObject(held, 5000), WAIT_OBJECT_0);
  EXPECT_FALSE(list.TryLock());
  SetEvent(release);
  holder.join();
  EXPECT_TRUE(list.TryLock());
  CloseHandle(held);
  CloseHandle(release);
}

// An opaque red star picture, converted and selected as the program does.
void MakeRedStar(showcase::ShowcaseState& state) {
  Dib32 red(128, 128, 0xFFFF0000);
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(red.bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  state.stars[0].bitmap.reset(showcase::ImageToPremultipliedBitmap(copy));
  DeleteObject(copy);
  state.stars[0].dc.reset(CreateCompatibleDC(nullptr));
  SelectObject(state.stars[0].dc.get(), state.stars[0].bitmap.get());
}

showcase::Particle StarAt(const showcase::ShowcaseState& state, float x, float y, float size, float alpha) {
  showcase::Particle particle;
  particle.x = x, particle.y = y, particle.width = particle.height = size, particle.alpha = alpha;
  particle.starDc = state.stars[0].dc.get();
  return particle;
}

TEST_F(ShowcaseRuntime, ThePanelCallbackBlendsEachStarAtItsRectangle) {
  showcase::ShowcaseState& state = showcase::Showcase();
  showcase::LoadGdiAlphaBlend(state);
  ASSERT_NE(state.gdiAlphaBlend, nullptr);
  MakeRedStar(state);
  {
    auto list = state.particles.Lock();
    list.items() = {StarAt(state, 10.4f, 9.6f, 20.0f, 255.0f), StarAt(state, 60, 60, 10, 128.0f)};
  }
  Dib32 page(100, 100, 0xFF000000);
  EXPECT_EQ(showcase::StarsPanelCallback(nullptr, WM_PAINT, WPARAM(page.dc()), 0), 0);
  EXPECT_EQ(page.Pixel(20, 20) & 0xFFFFFF, 0u) << "only the erase message draws";

  EXPECT_EQ(showcase::StarsPanelCallback(nullptr, WM_ERASEBKGND, WPARAM(page.dc()), 0), 0);
  // Rounded to (10, 10) - (30, 30).
  EXPECT_EQ(page.Pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(page.Pixel(29, 29) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(page.Pixel(30, 30) & 0xFFFFFF, 0u);
  EXPECT_EQ(page.Pixel(9, 20) & 0xFFFFFF, 0u);
  const uint32_t half = page.Pixel(65, 65);
  EXPECT_NEAR(int((half >> 16) & 0xFF), 128, 2);
  EXPECT_EQ(half & 0xFFFF, 0u);
}

TEST_F(ShowcaseRuntime, ThePanelCallbackSkipsTheFrameWhileTheListIsTaken) {
  showcase::ShowcaseState& state = showcase::Showcase();
  showcase::LoadGdiAlphaBlend(state);
  MakeRedStar(state);
  state.particles.Lock().items() = {StarAt(state, 0, 0, 50, 255)};
  Dib32 page(60, 60, 0xFF000000);
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    const auto access = state.particles.Lock();
    SetEvent(held);
    WaitForSingleObject(release, 5000);
  });
  ASSERT_EQ(WaitForSingleObject(held, 5000), WAIT_OBJECT_0);
  const DWORD start = GetTickCount();
  EXPECT_EQ(showcase::StarsPanelCallback(nullptr, WM_ERASEBKGND, WPARAM(page.dc()), 0), 0);
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_EQ(page.Pixel(10, 10) & 0xFFFFFF, 0u);
  SetEvent(release);
  holder.join();
  showcase::StarsPanelCallback(nullptr, WM_ERASEBKGND, WPARAM(page.dc()), 0);
  EXPECT_EQ(page.Pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
  CloseHandle(held);
  CloseHandle(release);
}

struct ErrorBoxCall {
  int count = 0;
  std::wstring text, caption;
  UINT type = 0;
} errorBoxCall;
int WINAPI RecordErrorBox(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
  ++errorBoxCall.count;
  errorBoxCall.text = text;
  errorBoxCall.caption = caption;
  errorBoxCall.type = type;
  return IDOK;
}

TEST_F(ShowcaseRuntime, AMissingGdiLibraryIsReportedAndTheProgramGoesOnWithoutStars) {
  showcase::ShowcaseState& state = showcase::Showcase();
  showcase::LoadGdiAlphaBlend(state, L"no_such_gdi_library.dll", &RecordErrorBox);
  EXPECT_EQ(errorBoxCall.count, 1);
  EXPECT_EQ(errorBoxCall.text, L"Can't open Gdi32.dll");
  EXPECT_EQ(errorBoxCall.caption, L"Error!");
  EXPECT_EQ(errorBoxCall.type, 16u);
  EXPECT_EQ(state.gdiAlphaBlend, nullptr);
  state.particles.Lock().items() = {showcase::Particle{}};
  Dib32 page(10, 10, 0xFF000000);
  EXPECT_EQ(showcase::StarsPanelCallback(nullptr, WM_ERASEBKGND, WPARAM(page.dc()), 0), 0);
}

TEST_F(ShowcaseRuntime, TheStarThreadRunsRoundsUntilStopped) {
  showcase::ShowcaseState& state = showcase::Showcase();
  HANDLE tenRounds = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> redraws{0};
  showcase::StarAnimationSetup setup;
  setup.particles = &state.particles;
  setup.seed = 3;
  setup.panelSize = [] { return std::pair{700, 500}; };
  setup.redraw = [&] {
    if (++redraws == 10) SetEvent(tenRounds);
  };
  ASSERT_TRUE(state.starThread.Start([&](const showcase::StopSignal& stop) { showcase::StarAnimationThread(setup, stop); }));
  ASSERT_EQ(WaitForSingleObject(tenRounds, 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(state.starThread.StopAndJoin(5000));
  const size_t count = state.particles.Lock().items().size();
  EXPECT_GE(count, 10u);
  EXPECT_LE(count, static_cast<size_t>(redraws.load()));
  CloseHandle(tenRounds);
}

std::atomic<int> endCalls{0};
std::atomic<bool> threadRanAtEnd{true};
int KELVRA_CALL RecordEnd() {
  ++endCalls;
  threadRanAtEnd = showcase::Showcase().starThread.Running();
  return 0;
}

TEST_F(ShowcaseRuntime, TheEndStopsTheStarThreadBeforeEndingTheLibrary) {
  showcase::ShowcaseState& state = showcase::Showcase();
  HWND page = CountingWindow();
  std::atomic<int> redraws{0};
  showcase::StarAnimationSetup setup;
  setup.particles = &state.particles;
  setup.panelSize = [] { return std::pair{700, 500}; };
  // As the program's thread does: a repaint that waits for this (user-interface) thread.
  setup.redraw = [&] {
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ++redraws;
  };
  ASSERT_TRUE(state.starThread.Start([&](const showcase::StopSignal& stop) { showcase::StarAnimationThread(setup, stop); }));
  ASSERT_TRUE(PumpUntil([&] { return redraws >= 3; }));
  state.images[showcase::kStarFieldSlot] = CreateBitmap(2, 2, 1, 32, nullptr);

  showcase::ExampleEnd(&RecordEnd);
  EXPECT_EQ(endCalls.load(), 1);
  EXPECT_FALSE(threadRanAtEnd.load()) << "the star thread was still running when the library ended";
  EXPECT_EQ(state.images[showcase::kStarFieldSlot], nullptr);
  EXPECT_TRUE(state.particles.Lock().items().empty());
}

struct SeenMessages {
  int close = 0;
} seen;
LRESULT CALLBACK AnsweringCallback(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) ++seen.close;
  if (message == WM_USER + 1) return 42;
  return showcase::kDefaultProcessing;
}

TEST_F(ShowcaseRuntime, TheWindowOpensHiddenAtItsSizeAndItsCloseEventEndsTheLoop) {
  ASSERT_TRUE(showcase::BuildExampleWindow(showcase::StarThreadStart::Later));
  HWND window = showcase::Showcase().window;
  ASSERT_NE(window, nullptr);
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  EXPECT_STREQ(title, showcase::kWindowTitle);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 700);
  EXPECT_EQ(client.bottom, 500);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME, WS_THICKFRAME);

  // The program's own callback: the close request ends the loop, the window stays.
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(showcase::RunEventLoop(), 0);
  EXPECT_TRUE(IsWindow(window));

  // A callback's own answer replaces default processing; the close request passes
  // through the callback first and still becomes the close event.
  ASSERT_TRUE(showcase::SetWindowCallback(window, AnsweringCallback));
  EXPECT_EQ(SendMessageW(window, WM_USER + 1, 0, 0), 42);
  EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), LRESULT(wcslen(showcase::kWindowTitle)));
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(seen.close, 1);
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(showcase::RemoveWindowCallback(window));
  EXPECT_FALSE(showcase::SetWindowCallback(nullptr, AnsweringCallback));
  DestroyWindow(window);
}

}  // namespace
