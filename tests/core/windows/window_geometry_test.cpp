// Window arithmetic on extreme numbers: size limits that keep the trailing edge,
// and centring, with no 32-bit overflow anywhere.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/windows/window_geometry.h"

namespace {

struct AxisCase {
  const char* what;
  int32_t size, position, current, minimum, maximum;
  bool moves;
  int32_t wantSize, wantPosition;
};

TEST(WindowGeometry, LimitAxis) {
  const AxisCase cases[] = {
      {"below the minimum from the right keeps the left", 50, 10, 10, 80, 0, true, 80, 10},
      {"below the minimum from the left keeps the right", 50, 40, 10, 80, 0, true, 80, 10},
      {"above the maximum from the left keeps the right", 150, 0, 10, 0, 100, true, 100, 50},
      {"no move: only the size", 50, 40, 10, 80, 0, false, 80, 40},
      {"within the limits", 90, 7, 0, 80, 100, true, 90, 7},
      {"no limits", -5, 3, 0, 0, 0, true, -5, 3},
      {"a huge minimum against a negative size", -32768, 100, 0, INT32_MAX, 0, true, INT32_MAX, INT32_MIN},
      {"a huge size against a small maximum", INT32_MAX, INT32_MAX - 5, INT32_MAX, 0, 1, true, 1, INT32_MAX},
  };
  for (const auto& c : cases) {
    int32_t size = c.size, position = c.position;
    kelvra::LimitAxis(size, position, c.current, c.minimum, c.maximum, c.moves);
    EXPECT_EQ(size, c.wantSize) << c.what;
    EXPECT_EQ(position, c.wantPosition) << c.what;
  }
}

TEST(WindowGeometry, CentringAndClamping) {
  EXPECT_EQ(kelvra::CentredStart(0, 1024, 100), 462);
  EXPECT_EQ(kelvra::CentredStart(100, 1024, 2000), 100 - 488);
  EXPECT_EQ(kelvra::CentredStart(0, 1024, int64_t{INT32_MAX} + 20), (1024 - (int64_t{INT32_MAX} + 20)) / 2);
  EXPECT_EQ(kelvra::CentredStart(INT32_MIN, 10, int64_t{1} << 40), INT32_MIN);
  EXPECT_EQ(kelvra::CentredStart(INT32_MAX, int64_t{1} << 40, 0), INT32_MAX);
  EXPECT_EQ(kelvra::ClampToInt32(int64_t{1} << 33), INT32_MAX);
  EXPECT_EQ(kelvra::ClampToInt32(-(int64_t{1} << 33)), INT32_MIN);
  EXPECT_EQ(kelvra::ClampToInt32(-7), -7);
}

}  // namespace
