// The record of a border image set: slices of each border image it has been given
// and the mask regions of each mask, keyed by the image handle's decimal text.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/border/border_image_geometry.h"
#include "core/library/string_map.h"
#include "core/platform/win_handles.h"

namespace kelvra {

struct PieceSize {
  int32_t width = 0, height = 0;
};

struct BorderSliceEntry {
  uint32_t checksum = 0;  // CRC-32 of the border image's pixel bytes
  SliceRect slice;
  // One-image lists in BorderPiece order; empty where a piece has no pixels.
  std::array<UniqueImageList, kBorderPieceCount> pieces;
  std::array<PieceSize, kBorderPieceCount> sizes{};
};

struct BorderMaskEntry {
  uint32_t checksum = 0;
  SliceRect slice;
  UniqueRegion cachedRegion;  // the last region built, for cachedWidth x cachedHeight
  int64_t cachedWidth = 0, cachedHeight = 0;
  // Regions of the pieces' non-zero pixels, in BorderPiece order.
  std::array<UniqueRegion, kBorderPieceCount> pieces;
  std::array<PieceSize, kBorderPieceCount> sizes{};
};

// The keys whose entries a set keeps: the latest and the one before it, so a
// control flipping between two looks (normal and hot) never re-cuts, while a set
// given a new bitmap on every change holds two sets of pieces, not one per handle
// it has ever seen.
using RecentKeys = std::array<std::wstring, 2>;

struct BorderImageSet {
  std::wstring currentImageKey;  // the border image whose slices are drawn, or empty
  std::wstring currentMaskKey;   // the image whose mask regions are used, or empty
  StringMap<BorderSliceEntry> sliceMap{4};
  StringMap<BorderMaskEntry> maskMap{4};
  RecentKeys recentImageKeys;  // of sliceMap (also kept while the set only clips)
  RecentKeys recentMaskKeys;   // of maskMap
};

}  // namespace kelvra
