// The stop list of one gradient: where a stop goes, which stop a position finds,
// over lists long enough for an index slip to show, and around NaN positions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/colour/gradient_stops.h"

namespace {

using kelvra::GradientColourAt;
using kelvra::GradientRecord;
using kelvra::RemoveGradientStop;
using kelvra::SetGradientStop;

std::vector<float> Positions(const GradientRecord& gradient) {
  std::vector<float> positions;
  for (const auto& stop : gradient.stops) positions.push_back(stop.position);
  return positions;
}

// Position i of a long list, from -0.5 to 1.5 in steps of 1/64, skipping 0.0 and
// 1.0 (the end colours). Exact in binary, so equality means the same stop.
float PositionOf(int i) { return static_cast<float>(i - 32) / 64.0f; }
bool IsEnd(int i) { return i == 32 || i == 96; }
constexpr int kPositions = 129;

TEST(GradientStops, LongListInScrambledOrder) {
  GradientRecord gradient;
  // 53 is prime to 129, so this visits every index once, far from in order.
  for (int k = 0; k < kPositions; ++k) {
    const int i = (k * 53) % kPositions;
    SetGradientStop(gradient, PositionOf(i), static_cast<uint32_t>(i));
  }
  std::vector<float> expected;
  for (int i = 0; i < kPositions; ++i)
    if (!IsEnd(i)) expected.push_back(PositionOf(i));
  ASSERT_EQ(Positions(gradient), expected);
  EXPECT_EQ(gradient.startColour, 32u);
  EXPECT_EQ(gradient.endColour, 96u);

  for (int i = 0; i < kPositions; ++i)
    if (!IsEnd(i)) EXPECT_EQ(GradientColourAt(gradient, PositionOf(i)), i) << PositionOf(i);
  EXPECT_EQ(GradientColourAt(gradient, PositionOf(5) + 1.0f / 256), -1) << "between two stops";
  EXPECT_EQ(GradientColourAt(gradient, -2.0f), -1) << "below the first";
  EXPECT_EQ(GradientColourAt(gradient, 2.0f), -1) << "above the last";

  // Setting every position again replaces, in whatever order.
  for (int k = kPositions - 1; k >= 0; --k) SetGradientStop(gradient, PositionOf(k), 1000u + static_cast<uint32_t>(k));
  EXPECT_EQ(Positions(gradient), expected);
  EXPECT_EQ(GradientColourAt(gradient, PositionOf(0)), 1000);
  EXPECT_EQ(GradientColourAt(gradient, PositionOf(kPositions - 1)), 1000 + kPositions - 1);

  // Removing the odd ones leaves the even ones findable, the odd ones gone.
  for (int i = 1; i < kPositions; i += 2) EXPECT_TRUE(RemoveGradientStop(gradient, PositionOf(i))) << i;
  for (int i = 0; i < kPositions; ++i) {
    if (IsEnd(i)) continue;
    EXPECT_EQ(GradientColourAt(gradient, PositionOf(i)), i % 2 ? -1 : 1000 + i) << i;
    if (i % 2) EXPECT_FALSE(RemoveGradientStop(gradient, PositionOf(i))) << i;
  }
  EXPECT_EQ(gradient.stops.size(), 63u);  // 65 even indices less the two end positions
}

// A NaN position is stored unchecked, equals nothing and is greater than nothing:
// it goes last when set, stays where it is while later stops go in around it, is
// never found or removed by position, and each set adds another.
TEST(GradientStops, NaNPositionsKeepTheirPlace) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  GradientRecord gradient;
  for (float position : {0.5f, nan, 0.7f, 0.6f, 0.2f, nan, 0.55f, 0.9f, 0.1f})
    SetGradientStop(gradient, position, 1);
  const std::vector<float> positions = Positions(gradient);
  const std::vector<float> expected = {0.1f, 0.2f, 0.5f, nan, 0.55f, 0.6f, 0.7f, nan, 0.9f};
  ASSERT_EQ(positions.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_TRUE(std::isnan(expected[i]) ? std::isnan(positions[i]) : positions[i] == expected[i]) << i;

  // Every ordered stop is still found and replaced in place past the NaNs.
  for (float position : {0.1f, 0.2f, 0.5f, 0.55f, 0.6f, 0.7f, 0.9f}) {
    SetGradientStop(gradient, position, 7);
    EXPECT_EQ(GradientColourAt(gradient, position), 7) << position;
  }
  EXPECT_EQ(gradient.stops.size(), expected.size());
  EXPECT_EQ(GradientColourAt(gradient, nan), -1);
  EXPECT_FALSE(RemoveGradientStop(gradient, nan));
  EXPECT_TRUE(RemoveGradientStop(gradient, 0.55f));
  EXPECT_EQ(GradientColourAt(gradient, 0.55f), -1);
  EXPECT_TRUE(std::isnan(gradient.stops[3].position)) << "the NaN before it stays";
  EXPECT_EQ(gradient.stops[4].position, 0.6f);
}

}  // namespace
