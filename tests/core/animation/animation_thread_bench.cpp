// Four page animations kept running for two seconds: the time between the frames
// the animation thread delivers, against a bare loop paced by the same clock and
// wait in the same run (the ratio should be at most about 1.1), and the thread's
// processor time as a share of the wall time (should be at most 0.1).
#include <benchmark/benchmark.h>
#include <windows.h>
#include <mmsystem.h>

#include <atomic>

#include "core/animation/page_animation.h"
#include "core/animation/page_animation_motion.h"
#include "core/library/library_globals.h"
#include "core/library/library_messages.h"
#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kAnimations = 4;
constexpr double kSeconds = 2.0;

int64_t Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}
int64_t Frequency() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return f.QuadPart;
}

double ThreadSeconds(HANDLE thread) {
  FILETIME c, e, k, u;
  if (!GetThreadTimes(thread, &c, &e, &k, &u)) return 0;
  auto v = [](const FILETIME& f) { return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  return static_cast<double>(v(k) + v(u)) / 1e7;
}

struct Stack {
  HWND grandparent = nullptr, parent = nullptr, animated = nullptr;
  bool growing = true;
  int steps = 0;
};
Stack stacks[kAnimations];

int Height(const Stack& s) {
  RECT r;
  GetWindowRect(s.animated, &r);
  return r.bottom - r.top;
}

void Request(Stack& s) {
  RECT current;
  GetWindowRect(s.animated, &current);
  MapWindowPoints(nullptr, s.parent, reinterpret_cast<POINT*>(&current), 2);
  RECT target = current;
  target.bottom = target.top + (s.growing ? 600 : 10);
  kelvra::PostPageAnimation(s.animated, current, target);
}

LRESULT CALLBACK GrandparentProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m != kelvra::PageAnimationStepMessage) return DefWindowProcW(w, m, wp, lp);
  for (Stack& s : stacks) {
    if (s.grandparent != w) continue;
    ++s.steps;
    // Turn round at each end, so all four keep moving for the whole run.
    if (Height(s) == (s.growing ? 600 : 10)) {
      s.growing = !s.growing;
      Request(s);
    }
  }
  return 0;
}

void MakeStacks() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = GrandparentProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchGrandparent";
  RegisterClassExW(&wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = L"BenchPlain";
  RegisterClassExW(&wc);
  for (Stack& s : stacks) {
    s.grandparent = CreateWindowExW(0, L"BenchGrandparent", L"", WS_POPUP, 0, 0, 300, 700, nullptr, nullptr, nullptr, nullptr);
    s.parent = CreateWindowExW(0, L"BenchPlain", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 700, s.grandparent, nullptr, nullptr, nullptr);
    s.animated = CreateWindowExW(0, L"BenchPlain", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 10, s.parent, nullptr, nullptr, nullptr);
  }
}

void PumpFor(double seconds) {
  const int64_t end = Now() + static_cast<int64_t>(seconds * Frequency());
  MSG msg;
  while (Now() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

// The baseline: frames a loop with the thread's clock and wait delivers, doing
// no work, on its own thread.
std::atomic<int> bareFrames{0};
DWORD WINAPI BareLoop(LPVOID) {
  timeBeginPeriod(1);
  kelvra::FrameClock clock;
  const int64_t end = Now() + static_cast<int64_t>(kSeconds * Frequency());
  clock.Start(Now(), Frequency());
  for (int64_t now = Now(); now < end; now = Now()) {
    if (!clock.Due(now)) {
      MsgWaitForMultipleObjectsEx(0, nullptr, clock.MillisecondsUntilDue(now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      continue;
    }
    ++bareFrames;
    clock.FrameDone(Now());
  }
  timeEndPeriod(1);
  return 0;
}

// Both report seconds per frame as their manual time, frames per second as a counter.
void ReportFrames(benchmark::State& state, double frames, double seconds) {
  state.SetIterationTime(frames > 0 ? seconds / frames : seconds);
  state.counters["frames_per_s"] = frames / seconds;
}

void BM_BareFrameLoop(benchmark::State& state) {
  for (auto _ : state) {
    bareFrames = 0;
    const int64_t t0 = Now();
    HANDLE bare = CreateThread(nullptr, 0, BareLoop, nullptr, 0, nullptr);
    WaitForSingleObject(bare, INFINITE);
    CloseHandle(bare);
    ReportFrames(state, bareFrames, static_cast<double>(Now() - t0) / Frequency());
  }
}

void BM_FourAnimations(benchmark::State& state) {
  HANDLE thread = kelvra::Globals().animationThread;
  for (auto _ : state) {
    for (Stack& s : stacks) {
      s.steps = 0;
      Request(s);
    }
    PumpFor(0.2);  // under way
    int startSteps = 0;
    for (const Stack& s : stacks) startSteps += s.steps;
    const double cpuBefore = ThreadSeconds(thread);
    const int64_t t0 = Now();
    PumpFor(kSeconds);
    const double wall = static_cast<double>(Now() - t0) / Frequency();
    const double cpu = ThreadSeconds(thread) - cpuBefore;
    int steps = -startSteps;
    for (const Stack& s : stacks) steps += s.steps;

    ReportFrames(state, steps / static_cast<double>(kAnimations), wall);
    state.counters["thread_cpu_share"] = cpu / wall;
  }
}
BENCHMARK(BM_BareFrameLoop)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourAnimations)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv, kelvra::bench::OtherFamily({{"BM_FourAnimations", "BM_BareFrameLoop/iterations:1/manual_time"}}, false),
      [] {
        StartKelvra();
        for (int i = 0; i < 300 && !kelvra::Globals().animationMailbox; ++i) Sleep(10);
        MakeStacks();
      });
}
