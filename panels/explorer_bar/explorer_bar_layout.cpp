// The explorer bar's layout arithmetic: group columns, the walk down the groups
// and the items stacked up from a body's foot.
#include "panels/explorer_bar/explorer_bar_layout.h"

#include <algorithm>

namespace kelvra {

namespace {

// Skins may hold any 32-bit number. No window is larger than this, so each value
// is brought inside it, and sums are made in 64 bits: thousands of groups of huge
// margins still give defined, if useless, positions.
constexpr int64_t kLimit = 1 << 20;
int64_t Bound(int32_t value) { return std::clamp<int64_t>(value, -kLimit, kLimit); }
int32_t Narrow(int64_t value) { return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }
int32_t NotBelowZero(int64_t value) { return Narrow(std::max<int64_t>(value, 0)); }

}  // namespace

int32_t ExplorerBarLayoutWidth(int32_t clientWidth, bool verticalBarShown, int32_t verticalBarWidth) {
  return Narrow(int64_t{clientWidth} - (verticalBarShown ? int64_t{verticalBarWidth} : 0));
}

int32_t FullBodyHeight(const ExplorerBarMetrics& m, std::size_t itemCount) {
  const auto n = static_cast<int64_t>(std::min<std::size_t>(itemCount, static_cast<std::size_t>(kLimit)));
  const int64_t perItem = Bound(m.itemHeight) + Bound(m.itemPadding.top) + Bound(m.itemPadding.bottom);
  return NotBelowZero(Bound(m.groupMargin.top) + Bound(m.groupMargin.bottom) + n * perItem -
                      Bound(m.itemPadding.bottom));
}

int32_t SizedBodyHeight(const ExplorerBarMetrics& m, std::size_t itemCount) {
  return std::max(FullBodyHeight(m, itemCount), NotBelowZero(Bound(m.headerHeight)));
}

void LayOutExplorerBarGroups(const ExplorerBarMetrics& m, int32_t width, std::span<const int32_t> bodyHeights,
                             std::vector<ExplorerBarGroupBoxes>& out) {
  out.clear();
  const int64_t x = Bound(m.margin.left) + Bound(m.groupPadding.left);
  const int32_t groupWidth = NotBelowZero(int64_t{width} - Bound(m.margin.left) - Bound(m.margin.right) -
                                          Bound(m.groupPadding.left) - Bound(m.groupPadding.right));
  const int64_t headerHeight = Bound(m.headerHeight);
  int64_t y = Bound(m.margin.top);
  for (const int32_t present : bodyHeights) {
    ExplorerBarGroupBoxes boxes;
    y += Bound(m.groupPadding.top);
    boxes.header = ExplorerBarBox{Narrow(x), Narrow(y), groupWidth, NotBelowZero(headerHeight)};
    y += headerHeight;
    const int32_t bodyHeight = NotBelowZero(present);
    boxes.body = ExplorerBarBox{Narrow(x), Narrow(y), groupWidth, bodyHeight};
    y += bodyHeight + Bound(m.groupPadding.bottom);
    out.push_back(boxes);
  }
}

void LayOutExplorerBarItems(const ExplorerBarMetrics& m, int32_t bodyWidth, int32_t bodyHeight,
                            std::size_t itemCount, std::vector<ExplorerBarBox>& out) {
  out.assign(itemCount, ExplorerBarBox{});
  const int64_t x = Bound(m.groupMargin.left) + Bound(m.itemPadding.left);
  const int32_t itemWidth = NotBelowZero(int64_t{bodyWidth} - Bound(m.groupMargin.left) -
                                         Bound(m.groupMargin.right) - Bound(m.itemPadding.left) -
                                         Bound(m.itemPadding.right));
  const int64_t itemHeight = Bound(m.itemHeight);
  int64_t y = int64_t{bodyHeight} - Bound(m.groupMargin.bottom);
  for (std::size_t i = itemCount; i-- > 0;) {
    if (i + 1 != itemCount) y -= Bound(m.itemPadding.bottom);
    y -= itemHeight;
    out[i] = ExplorerBarBox{Narrow(x), Narrow(y), itemWidth, NotBelowZero(itemHeight)};
  }
}

}  // namespace kelvra
