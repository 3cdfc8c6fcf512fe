// The gradient list.
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

}  // namespace kelvra
