// The rectangles of a region that covers every pixel whose value differs from a
// key: found a row span at a time, rows with the same spans merged into one band.
// Pure: no Win32 types.
#pragma once

#include <cstdint>
#include <vector>

namespace kelvra {

struct RegionRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

class RegionSpanBuilder {
 public:
  explicit RegionSpanBuilder(uint32_t key) : key_(key) {}

  // Rows must come in order, top row first, each `width` pixels long.
  void AddRow(int32_t y, const uint32_t* pixels, int32_t width);
  // The rectangles in y-x band order (as region data wants them).
  std::vector<RegionRect> Finish();

 private:
  void CloseBand();

  uint32_t key_;
  std::vector<RegionRect> done_;
  std::vector<RegionRect> band_;   // spans of the rows merged so far
  std::vector<RegionRect> spans_;  // spans of the row being added
};

}  // namespace kelvra
