// The showcase's particle rules and its random source: pure code, seeded runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

#include "examples/panel_showcase/star_particles.h"

namespace {

using showcase::Particle;
using showcase::RandomSource;
using showcase::StarDc;

std::array<StarDc, 3> FakeStars(uintptr_t first) {
  return {reinterpret_cast<StarDc>(first), reinterpret_cast<StarDc>(first + 1),
          reinterpret_cast<StarDc>(first + 2)};
}

bool Outside(const Particle& p, int width, int height) {
  return p.x + p.width < 0 || p.x > width || p.y + p.height < 0 || p.y > height;
}

TEST(ShowcaseRandom, GivesZeroToNInclusiveAndReplaysItsSeed) {
  for (int n : {1, 2, 5, 20, 128}) {
    RandomSource random(7);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
      const int value = random.Random(n);
      ASSERT_GE(value, 0);
      ASSERT_LE(value, n);
      seen.insert(value);
    }
    EXPECT_EQ(seen.size(), size_t(n) + 1) << "every value from 0 to " << n << " turns up";
  }
  EXPECT_EQ(RandomSource(1).Random(0), 0);
  EXPECT_EQ(RandomSource(1).Random(-3), 0);

  RandomSource a(99), b(99), c(100);
  bool differs = false;
  for (int i = 0; i < 50; ++i) {
    const int value = a.Random(1000);
    EXPECT_EQ(value, b.Random(1000));
    differs |= value != c.Random(1000);
  }
  EXPECT_TRUE(differs);
}

TEST(ShowcaseParticles, SpawnCentredWithTheirRangesAndBothSigns) {
  RandomSource random(2024);
  const auto stars = FakeStars(0x100);
  bool negativeX = false, positiveX = false, negativeY = false, positiveY = false;
  std::set<StarDc> starsSeen;
  for (int i = 0; i < 2000; ++i) {
    const Particle p = showcase::SpawnParticle(700, 500, random, stars);
    ASSERT_EQ(p.width, p.height);
    ASSERT_GE(p.width, 5.0f);
    ASSERT_LE(p.width, 10.0f);
    ASSERT_EQ(p.maximumWidth, p.maximumHeight);
    ASSERT_GE(p.maximumWidth, 0.0f);
    ASSERT_LE(p.maximumWidth, 128.0f);
    ASSERT_FLOAT_EQ(p.x + p.width / 2, 350.0f);
    ASSERT_FLOAT_EQ(p.y + p.height / 2, 250.0f);
    ASSERT_FLOAT_EQ(p.growthStep, 0.1f) << "Random(5) / 100 never reaches the 0.1 floor";
    ASSERT_GE(p.life, 50.0f);
    ASSERT_LE(p.life, 250.0f);
    for (float speed : {p.targetSpeedX, p.targetSpeedY}) {
      ASSERT_GE(std::fabs(speed), 0.1f - 1e-6f);
      ASSERT_LE(std::fabs(speed), 2.0f + 1e-6f);
    }
    ASSERT_EQ(p.dx, 0.0f);
    ASSERT_EQ(p.dy, 0.0f);
    negativeX |= p.targetSpeedX < 0;
    positiveX |= p.targetSpeedX > 0;
    negativeY |= p.targetSpeedY < 0;
    positiveY |= p.targetSpeedY > 0;
    starsSeen.insert(p.starDc);
  }
  EXPECT_TRUE(negativeX && positiveX && negativeY && positiveY);
  EXPECT_EQ(starsSeen.size(), 3u);
}

TEST(ShowcaseParticles, ThousandSeededRoundsKeepTheLimitsAndThePanel) {
  constexpr int kWidth = 700, kHeight = 500;
  RandomSource random(12345);
  std::vector<Particle> particles;
  size_t most = 0;
  for (uintptr_t round = 0; round < 1000; ++round) {
    // Each round hands out its own star handles, so a new particle shows the round it was made in.
    const auto stars = FakeStars(0x1000 + round * 4);
    const size_t before = particles.size();
    showcase::StepParticles(particles, kWidth, kHeight, random, stars);
    ASSERT_LE(particles.size(), showcase::kMaximumParticles);
    size_t added = 0;
    for (const Particle& p : particles) {
      if (p.starDc >= stars[0] && p.starDc <= stars[2]) ++added;
      ASSERT_FALSE(Outside(p, kWidth, kHeight)) << "round " << round;
      ASSERT_GE(p.alpha, 0.0f);
      ASSERT_LE(p.alpha, 255.0f);
    }
    ASSERT_EQ(added, before < showcase::kMaximumParticles ? 1u : 0u) << "round " << round;
    most = std::max(most, particles.size());
  }
  EXPECT_EQ(most, showcase::kMaximumParticles) << "the list fills up to the limit";
}

TEST(ShowcaseParticles, AlphaIsLimitedInFloatingPoint) {
  struct Case {
    float life, maximumWidth, width, alpha;
  };
  const Case cases[] = {
      {100, 0, 5, 255},     // infinite quotient
      {50, 0, 0, 255},
      {200, 100, 60, 150},  // 2 x 100 - 50
      {50, 128, 5, 0},      // 50 / 128 x 45 - 50 is negative
      {250, 10, 20, 255},   // 1450 is limited
      {100, 100, 15, 5},    // 1 x 55 - 50
  };
  for (const Case& c : cases)
    EXPECT_FLOAT_EQ(showcase::ParticleAlpha(c.life, c.maximumWidth, c.width), c.alpha)
        << c.life << " " << c.maximumWidth << " " << c.width;
}

TEST(ShowcaseParticles, VelocityEasesToItsTargetAndSizeStopsAtItsMaximum) {
  for (float target : {-0.5f, 0.7f, -2.0f, 0.1f}) {
    Particle p;
    p.x = p.y = 1000;
    p.targetSpeedX = target;
    p.targetSpeedY = -target;
    p.growthStep = 0.1f;
    p.width = p.height = 5;
    p.maximumWidth = p.maximumHeight = 8;
    p.life = 100;
    std::vector<Particle> particles{p};
    RandomSource random(1);
    // A huge panel keeps it; the list is full so nothing is added.
    particles.resize(showcase::kMaximumParticles, p);
    for (int round = 0; round < 60; ++round) showcase::StepParticles(particles, 100000, 100000, random, FakeStars(1));
    const Particle& moved = particles.front();
    // The step overshoots by at most one step, then the velocity holds.
    EXPECT_NEAR(moved.dx, target, 0.1f + 1e-4f) << target;
    EXPECT_NEAR(moved.dy, -target, 0.1f + 1e-4f) << target;
    EXPECT_EQ(std::signbit(moved.dx), std::signbit(target));
    EXPECT_GE(moved.width, 8.0f);
    EXPECT_LT(moved.width, 8.1f + 1e-4f);
    EXPECT_EQ(moved.width, moved.height);
  }
}

TEST(ShowcaseParticles, AResizedPanelSpawnsAtItsNewCentre) {
  RandomSource random(77);
  std::vector<Particle> particles;
  for (int round = 0; round < 20; ++round) showcase::StepParticles(particles, 700, 500, random, FakeStars(0x10));
  const auto stars = FakeStars(0x900);
  showcase::StepParticles(particles, 300, 200, random, stars);
  ASSERT_EQ(particles.back().starDc >= stars[0] && particles.back().starDc <= stars[2], true);
  const Particle& fresh = particles.back();
  // One round moved it by one step (0.1) and grew it by one (0.05 on each side).
  EXPECT_NEAR(fresh.x + fresh.width / 2, 150.0f, 0.2f);
  EXPECT_NEAR(fresh.y + fresh.height / 2, 100.0f, 0.2f);
  for (const Particle& p : particles) EXPECT_FALSE(Outside(p, 300, 200));
}

}  // namespace
