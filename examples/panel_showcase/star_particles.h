// The star particles of the showcase and the rules that move them: one pure
// function of the list, the panel's size and the random source, called once a
// round by the star thread.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "runtime/random_source.h"

namespace showcase {

// The memory DC a particle is blended from (an HDC; kept opaque so the rules
// need no <windows.h>).
using StarDc = void*;

struct Particle {
  float x = 0, y = 0;                         // top-left corner in the panel
  float dx = 0, dy = 0;                       // current velocity
  float targetSpeedX = 0, targetSpeedY = 0;
  float growthStep = 0;
  float width = 0, maximumWidth = 0;
  float height = 0, maximumHeight = 0;
  float alpha = 0;                            // 0 to 255
  float life = 0;
  StarDc starDc = nullptr;
};

inline constexpr std::size_t kMaximumParticles = 200;

// life / maximum width x (width + 40) - 50, limited to 0..255 in floating point:
// a maximum width of 0 makes the quotient infinite, which the limit turns into 255.
float ParticleAlpha(float life, float maximumWidth, float width);

// A new particle centred in a panel of the given size, drawn from the random
// source in a fixed order.
Particle SpawnParticle(int panelWidth, int panelHeight, RandomSource& random,
                       const std::array<StarDc, 3>& stars);

// One round: add a particle while fewer than kMaximumParticles exist (one at
// most), move, grow and fade every particle, and delete those that left the panel.
void StepParticles(std::vector<Particle>& particles, int panelWidth, int panelHeight,
                   RandomSource& random, const std::array<StarDc, 3>& stars);

}  // namespace showcase
