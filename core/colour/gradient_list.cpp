// The gradient list and stop keeping.
#include "core/colour/gradient_list.h"

#include <memory>

#include "core/library/ui_thread.h"

namespace kelvra {

ControlList<GradientRecord>& GradientList() {
  AssertUserInterfaceThread();
  static ControlList<GradientRecord> list;
  return list;
}

GradientRecord* FindGradient(const void* handle) { return handle ? GradientList().FindByAddress(handle) : nullptr; }

GradientRecord* AddGradient(int32_t type, uint32_t startColour, uint32_t endColour) {
  auto record = std::make_unique<GradientRecord>();
  record->type = type;
  record->startColour = startColour;
  record->endColour = endColour;
  return GradientList().Append(std::move(record));
}

void SetGradientStop(GradientRecord& gradient, float position, uint32_t colour) {
  if (position == 0.0f) {
    gradient.startColour = colour;
    return;
  }
  if (position == 1.0f) {
    gradient.endColour = colour;
    return;
  }
  for (auto& stop : gradient.stops)
    if (stop.position == position) {
      stop.colour = colour;
      return;
    }
  auto it = gradient.stops.begin();
  while (it != gradient.stops.end() && !(it->position > position)) ++it;
  gradient.stops.insert(it, GradientStop{colour, position});
}

int32_t GradientColourAt(const GradientRecord& gradient, float position) {
  if (position == 0.0f) return static_cast<int32_t>(gradient.startColour);
  if (position == 1.0f) return static_cast<int32_t>(gradient.endColour);
  for (const auto& stop : gradient.stops)
    if (stop.position == position) return static_cast<int32_t>(stop.colour);
  return -1;
}

bool RemoveGradientStop(GradientRecord& gradient, float position) {
  if (position == -1.0f) {
    gradient.stops.clear();
    return true;
  }
  for (auto it = gradient.stops.begin(); it != gradient.stops.end(); ++it)
    if (it->position == position) {
      gradient.stops.erase(it);
      return true;
    }
  return false;
}

}  // namespace kelvra
