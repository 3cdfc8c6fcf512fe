// Where an explorer bar puts its headers, bodies and items: pure functions of the
// bar's metrics, the width it lays out in and the bodies' present heights, shared
// by the bar's WM_SIZE, a body's WM_SIZE, the header toggle and the tests. Pure
// code: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kelvra {

inline constexpr int32_t kDefaultHeaderHeight = 25;
inline constexpr int32_t kDefaultItemHeight = 22;

struct ExplorerBarEdges {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ExplorerBarEdges&) const = default;
};

// What the skin says about spacing; heights already hold their defaults.
struct ExplorerBarMetrics {
  ExplorerBarEdges margin;        // around all groups, inside the bar
  ExplorerBarEdges groupMargin;   // inside a body, around its items
  ExplorerBarEdges groupPadding;  // around each group (header and body)
  ExplorerBarEdges itemPadding;   // around each item
  int32_t headerHeight = kDefaultHeaderHeight;
  int32_t itemHeight = kDefaultItemHeight;
  bool operator==(const ExplorerBarMetrics&) const = default;
};

// A skin height of 0 (or a missing property) means the default.
inline int32_t HeightOrDefault(int32_t height, int32_t fallback) { return height ? height : fallback; }

struct ExplorerBarBox {
  int32_t x = 0, y = 0, width = 0, height = 0;
  bool operator==(const ExplorerBarBox&) const = default;
};

struct ExplorerBarGroupBoxes {
  ExplorerBarBox header, body;
};

// The width groups are laid out in: the bar's client width less the vertical
// bar's width while that bar shows.
int32_t ExplorerBarLayoutWidth(int32_t clientWidth, bool verticalBarShown, int32_t verticalBarWidth);

// The height a body needs to show `itemCount` items; never below 0.
int32_t FullBodyHeight(const ExplorerBarMetrics& metrics, std::size_t itemCount);
// The height a body is given when a group or an item is added: the full height,
// but at least the header height. (An opening animation aims at the full height.)
int32_t SizedBodyHeight(const ExplorerBarMetrics& metrics, std::size_t itemCount);

// Headers and bodies of the groups in list order, bodies at their present
// heights (negative ones count as 0); `out` is refilled.
void LayOutExplorerBarGroups(const ExplorerBarMetrics& metrics, int32_t width,
                             std::span<const int32_t> bodyHeights, std::vector<ExplorerBarGroupBoxes>& out);

// The items of a body `bodyWidth` by `bodyHeight`, in list order, placed from the
// last up from the body's foot: while a body shrinks its items slide up under the
// header and the first ones go last. `out` is refilled.
void LayOutExplorerBarItems(const ExplorerBarMetrics& metrics, int32_t bodyWidth, int32_t bodyHeight,
                            std::size_t itemCount, std::vector<ExplorerBarBox>& out);

}  // namespace kelvra
