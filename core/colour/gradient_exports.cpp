// Exports of gradient objects: thin shims over the gradient list.
#include "kelvra.h"

#include "core/colour/gradient_list.h"
#include "core/platform/platform_bindings.h"

using kelvra::FindGradient;

extern "C" {

KELVRA_API HANDLE KELVRA_CALL CreateGradient(int type, int startColour, int endColour) {
  try {
    // Gradients are painted only through GDI+: without it there is nothing to make.
    if (!kelvra::StartGdiPlus()) return nullptr;
    return kelvra::AddGradient(type, static_cast<uint32_t>(startColour), static_cast<uint32_t>(endColour));
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL SetGradient(HANDLE gradient, int type) {
  auto* record = FindGradient(gradient);
  if (!record) return 0;
  record->type = type;
  return 1;
}

KELVRA_API int KELVRA_CALL SetGradientColour(HANDLE gradient, float position, int colour) {
  try {
    auto* record = FindGradient(gradient);
    if (!record) return 0;
    kelvra::SetGradientStop(*record, position, static_cast<uint32_t>(colour));
    return 1;
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL GetGradientColour(HANDLE gradient, float position) {
  auto* record = FindGradient(gradient);
  if (!record) return -2;
  return kelvra::GradientColourAt(*record, position);
}

KELVRA_API int KELVRA_CALL RemoveGradientColour(HANDLE gradient, float position) {
  auto* record = FindGradient(gradient);
  if (!record) return 0;
  return kelvra::RemoveGradientStop(*record, position) ? 1 : 0;
}

KELVRA_API int KELVRA_CALL FreeGradient(HANDLE gradient) {
  auto* record = FindGradient(gradient);
  if (!record) return 0;
  kelvra::GradientList().Remove(record);
  return 1;
}

}  // extern "C"
