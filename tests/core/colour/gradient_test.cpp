// Gradient objects: stop order, exact positions, the end colours, removal and
// unknown handles.
#include <gtest/gtest.h>

#include "core/colour/gradient_list.h"
#include "core/platform/platform_bindings.h"
#include "kelvra.h"

namespace {

std::vector<float> Positions(HANDLE gradient) {
  std::vector<float> positions;
  for (const auto& stop : kelvra::FindGradient(gradient)->stops) positions.push_back(stop.position);
  return positions;
}

// In a run with GDI+ switched off these have nothing to work on and pass empty.
class GradientWithGdiPlus : public testing::Test {
 protected:
  bool gdiPlus_ = kelvra::StartGdiPlus() != 0;
};

TEST_F(GradientWithGdiPlus, StopsStaySortedAndUnique) {
  if (!gdiPlus_) return;
  HANDLE g = CreateGradient(1, int(0xFF000000), int(0xFFFFFFFF));
  ASSERT_TRUE(g);
  EXPECT_EQ(kelvra::FindGradient(g)->type, 1);
  EXPECT_EQ(SetGradientColour(g, 0.7f, 0x70), 1);
  EXPECT_EQ(SetGradientColour(g, 0.2f, 0x20), 1);
  EXPECT_EQ(SetGradientColour(g, 0.5f, 0x50), 1);
  EXPECT_EQ(Positions(g), (std::vector<float>{0.2f, 0.5f, 0.7f}));
  EXPECT_EQ(SetGradientColour(g, 0.5f, 0x55), 1);
  EXPECT_EQ(Positions(g).size(), 3u) << "an existing position is replaced";
  EXPECT_EQ(GetGradientColour(g, 0.5f), 0x55);
  // Positions are not range-checked.
  EXPECT_EQ(SetGradientColour(g, -0.5f, 1), 1);
  EXPECT_EQ(SetGradientColour(g, 1.5f, 2), 1);
  EXPECT_EQ(Positions(g), (std::vector<float>{-0.5f, 0.2f, 0.5f, 0.7f, 1.5f}));
  EXPECT_EQ(FreeGradient(g), 1);
}

TEST_F(GradientWithGdiPlus, EndColoursAndExactPositions) {
  if (!gdiPlus_) return;
  HANDLE g = CreateGradient(0, 0x11, 0x22);
  ASSERT_TRUE(g);
  EXPECT_EQ(GetGradientColour(g, 0.0f), 0x11);
  EXPECT_EQ(GetGradientColour(g, 1.0f), 0x22);
  EXPECT_EQ(SetGradientColour(g, 0.0f, 0x33), 1);
  EXPECT_EQ(SetGradientColour(g, 1.0f, 0x44), 1);
  EXPECT_TRUE(Positions(g).empty()) << "0.0 and 1.0 are the end colours, not stops";
  EXPECT_EQ(GetGradientColour(g, 0.0f), 0x33);
  EXPECT_EQ(GetGradientColour(g, 1.0f), 0x44);
  EXPECT_EQ(RemoveGradientColour(g, 0.0f), 0);
  EXPECT_EQ(RemoveGradientColour(g, 1.0f), 0);
  EXPECT_EQ(GetGradientColour(g, 0.0f), 0x33);

  SetGradientColour(g, 0.30000001f, 0x66);
  EXPECT_EQ(GetGradientColour(g, 0.3f), (0.3f == 0.30000001f) ? 0x66 : -1) << "exact comparison";
  SetGradientColour(g, 0.4f, -1);
  EXPECT_EQ(GetGradientColour(g, 0.4f), -1) << "a stop of colour -1 reads as no stop";
  EXPECT_EQ(GetGradientColour(g, 0.9f), -1);

  EXPECT_EQ(SetGradient(g, 3), 1);
  EXPECT_EQ(kelvra::FindGradient(g)->type, 3);
  EXPECT_EQ(SetGradient(g, 99), 1) << "stored unchecked";
  FreeGradient(g);
}

TEST_F(GradientWithGdiPlus, Removal) {
  if (!gdiPlus_) return;
  HANDLE g = CreateGradient(2, 0, 0);
  ASSERT_TRUE(g);
  EXPECT_EQ(RemoveGradientColour(g, -1.0f), 1) << "clearing an empty list";
  SetGradientColour(g, 0.25f, 1);
  SetGradientColour(g, 0.75f, 2);
  EXPECT_EQ(RemoveGradientColour(g, 0.5f), 0);
  EXPECT_EQ(RemoveGradientColour(g, 0.25f), 1);
  EXPECT_EQ(Positions(g), (std::vector<float>{0.75f}));
  EXPECT_EQ(RemoveGradientColour(g, 0.25f), 0);
  SetGradientColour(g, 0.1f, 3);
  EXPECT_EQ(RemoveGradientColour(g, -1.0f), 1);
  EXPECT_TRUE(Positions(g).empty());
  FreeGradient(g);
}

TEST_F(GradientWithGdiPlus, UnknownHandlesChangeNothing) {
  if (!gdiPlus_) return;
  HANDLE live = CreateGradient(0, 1, 2);
  HANDLE freed = CreateGradient(0, 3, 4);
  ASSERT_TRUE(live && freed);
  EXPECT_EQ(FreeGradient(freed), 1);
  int local = 0;
  for (HANDLE bad : {freed, HANDLE(nullptr), HANDLE(&local), HANDLE(intptr_t(-1))}) {
    EXPECT_EQ(SetGradient(bad, 1), 0);
    EXPECT_EQ(SetGradientColour(bad, 0.5f, 1), 0);
    EXPECT_EQ(GetGradientColour(bad, 0.5f), -2);
    EXPECT_EQ(GetGradientColour(bad, 0.0f), -2);
    EXPECT_EQ(RemoveGradientColour(bad, -1.0f), 0);
    EXPECT_EQ(FreeGradient(bad), 0);
  }
  EXPECT_EQ(GetGradientColour(live, 1.0f), 2);
  EXPECT_TRUE(Positions(live).empty());
  FreeGradient(live);
}

// Without GDI+ nothing can paint a gradient, so none is made. Run under a
// variant of this program with GDI+ switched off (WINEDLLOVERRIDES=gdiplus=d);
// with GDI+ present the test checks the opposite.
TEST(Gradient, WithoutGdiPlusNothingIsMade) {
  const size_t before = kelvra::GradientList().Size();
  HANDLE g = CreateGradient(0, 1, 2);
  if (kelvra::StartGdiPlus()) {
    EXPECT_TRUE(g);
    FreeGradient(g);
    return;
  }
  EXPECT_EQ(g, nullptr);
  EXPECT_EQ(kelvra::GradientList().Size(), before);
}

}  // namespace
