// Particle rules: spawning at the panel's centre, easing toward a target speed,
// growing to a maximum size, fading with size, and leaving through the edges.
#include "star_particles.h"

#include <algorithm>
#include <cmath>

namespace showcase {

namespace {

// A speed from 0 to 2 in steps of 0.1 with a random sign, never smaller than 0.1.
float TargetSpeed(RandomSource& random) {
  float speed = random.Random(20) / 10.0f;
  if (random.Random(1) == 1) speed = -speed;
  if (speed < 0.0f && speed > -0.1f) return -0.1f;
  if (speed >= 0.0f && speed < 0.1f) return 0.1f;
  return speed;
}

// Velocity eases toward its target by one step a round, from either side.
float Ease(float velocity, float target, float step) {
  if (target < 0.0f) return velocity >= target ? velocity - step : velocity;
  return velocity < target ? velocity + step : velocity;
}

bool OutsidePanel(const Particle& particle, int panelWidth, int panelHeight) {
  return particle.x + particle.width < 0.0f || particle.x > static_cast<float>(panelWidth) ||
         particle.y + particle.height < 0.0f || particle.y > static_cast<float>(panelHeight);
}

}  // namespace

float ParticleAlpha(float life, float maximumWidth, float width) {
  const float alpha = life / maximumWidth * (width + 40.0f) - 50.0f;
  // 0 / 0 (never made by the rules: life is at least 50) would slip through
  // std::clamp as NaN; it counts as transparent.
  if (std::isnan(alpha)) return 0.0f;
  return std::clamp(alpha, 0.0f, 255.0f);
}

Particle SpawnParticle(int panelWidth, int panelHeight, RandomSource& random,
                       const std::array<StarDc, 3>& stars) {
  Particle particle;
  particle.starDc = stars[static_cast<std::size_t>(random.Random(2))];
  particle.width = particle.height = static_cast<float>(random.Random(5) + 5);
  particle.maximumWidth = particle.maximumHeight = static_cast<float>(random.Random(128));
  particle.x = static_cast<float>(panelWidth / 2.0 - particle.width / 2.0);
  particle.y = static_cast<float>(panelHeight / 2.0 - particle.height / 2.0);
  particle.growthStep = std::max(random.Random(5) / 100.0f, 0.1f);
  particle.life = static_cast<float>(random.Random(200) + 50.0);
  particle.targetSpeedX = TargetSpeed(random);
  particle.targetSpeedY = TargetSpeed(random);
  return particle;
}

void StepParticles(std::vector<Particle>& particles, int panelWidth, int panelHeight,
                   RandomSource& random, const std::array<StarDc, 3>& stars) {
  if (particles.size() < kMaximumParticles)
    particles.push_back(SpawnParticle(panelWidth, panelHeight, random, stars));
  for (Particle& particle : particles) {
    particle.dx = Ease(particle.dx, particle.targetSpeedX, particle.growthStep);
    particle.dy = Ease(particle.dy, particle.targetSpeedY, particle.growthStep);
    if (particle.width < particle.maximumWidth) particle.width += particle.growthStep;
    if (particle.height < particle.maximumHeight) particle.height += particle.growthStep;
    particle.x += particle.dx;
    particle.y += particle.dy;
    particle.alpha = ParticleAlpha(particle.life, particle.maximumWidth, particle.width);
  }
  std::erase_if(particles, [&](const Particle& particle) { return OutsidePanel(particle, panelWidth, panelHeight); });
}

}  // namespace showcase
