// Splitter moves: the pure layout's rectangles committed to the bar and the two
// gadgets in one deferred batch.
#include "panels/splitter/splitter_move.h"

#include "core/windows/windows_moved_together.h"
#include "panels/page/page_invalidation.h"
#include "panels/splitter/splitter_registry.h"

namespace kelvra {

namespace {

void CommitPlacement(HWND bar, HWND first, HWND second, const SplitterPlacement& p) {
  auto move = [](HWND window, const SplitterBox& box) { return WindowMove{window, box.x, box.y, box.width, box.height}; };
  const WindowMove moves[] = {move(bar, p.bar), move(first, p.first), move(second, p.second)};
  // Painted once, by the caller's repaint, after all three have moved.
  MoveWindowsTogether(moves, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
}

SplitterLayoutState StateOf(const SplitterExRecord& splitter, int32_t grabOffset, int32_t active) {
  SplitterLayoutState state;
  state.containerPage = splitter.containerPage;
  state.bar = splitter.bar;
  state.barPage = splitter.barPage;
  state.first = splitter.first;
  state.second = splitter.second;
  state.metrics = splitter.Metrics();
  state.grabOffset = grabOffset;
  state.active = active;
  return state;
}

// MoveSplitterExBar on the given state; the placement it committed.
SplitterPlacement MoveBar(SplitterLayoutState& state, POINT point) {
  const SIZE page = ClientSize(state.containerPage);
  const SplitterBox bar = BarBoxInContainer(state.bar, state.containerPage);
  const bool stacked = state.metrics.stacked;
  const SplitterPlacement placement = MoveSplitterBar(state.metrics, stacked ? point.y : point.x,
                                                      stacked ? bar.y : bar.x, state.grabOffset, page.cx, page.cy);
  CommitPlacement(state.bar, state.first, state.second, placement);
  if (state.containerPage) RedrawPanelExPage(state.containerPage);
  return placement;
}

}  // namespace

SplitterBox BarBoxInContainer(HWND bar, HWND containerPage) {
  RECT rect{};
  if (!bar || !GetWindowRect(bar, &rect)) return SplitterBox{};
  MapWindowPoints(HWND_DESKTOP, containerPage, reinterpret_cast<POINT*>(&rect), 2);
  return SplitterBox{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

SIZE ClientSize(HWND window) {
  RECT rect{};
  if (!window || !GetClientRect(window, &rect)) return SIZE{0, 0};
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void LayOutSplitterExOnResize(const SplitterExRecord& splitter, int32_t width, int32_t height) {
  const SplitterMetrics metrics = splitter.Metrics();
  // The position scales with the container's own size along the drag axis.
  RECT rect{};
  GetWindowRect(splitter.Container(), &rect);
  const int32_t size = metrics.stacked ? rect.bottom - rect.top : rect.right - rect.left;
  const SplitterPlacement placement = LayOutSplitter(metrics, splitter.position, width, height, size);
  CommitPlacement(splitter.bar, splitter.first, splitter.second, placement);
}

void LoadSplitterLayoutState(const SplitterExRecord& splitter, int32_t grabOffset, int32_t active) {
  SplitterLayoutState& layout = SplitterExFamily().layout;
  const HHOOK hook = layout.hook;
  layout = StateOf(splitter, grabOffset, active);
  layout.hook = hook;  // owned by the drag, not by the record
}

void MoveSplitterExBar(POINT point) { MoveBar(SplitterExFamily().layout, point); }

void RelayOutSplitterEx(SplitterExRecord& splitter, std::optional<int32_t> target) {
  // The shared layout state is left alone: a drag in progress (this splitter's
  // or another's) keeps its grab offset and windows.
  SplitterLayoutState& shared = SplitterExFamily().layout;
  const bool dragging = shared.active == 1;
  if (!dragging) shared.active = 1;
  const HWND containerPage = splitter.containerPage;
  const SIZE page = ClientSize(containerPage);
  const SplitterRelayout r = RelayOutSplitter(splitter.Metrics(), splitter.position, target, page.cx, page.cy);
  CommitPlacement(splitter.bar, splitter.first, splitter.second, r.placement);
  // The percentage is stored before the repaint, which may run code that frees
  // the splitter.
  splitter.position = r.position;
  RedrawPanelExPage(containerPage);
  if (!dragging) shared.active = 0;
}

}  // namespace kelvra
