// SkinLoadingFlag: set while a skin file is read or a built-in skin is built, so
// that their many SetSkinProperty calls do not re-apply the skin to every window.
#pragma once

#include <cstdint>

namespace kelvra {

inline int32_t& SkinLoadingFlag() {
  static int32_t flag = 0;
  return flag;
}

// Sets the flag for its lifetime and puts back what it was.
class SkinLoadingScope {
 public:
  SkinLoadingScope() : saved_(SkinLoadingFlag()) { SkinLoadingFlag() = 1; }
  ~SkinLoadingScope() { SkinLoadingFlag() = saved_; }
  SkinLoadingScope(const SkinLoadingScope&) = delete;
  SkinLoadingScope& operator=(const SkinLoadingScope&) = delete;

 private:
  int32_t saved_;
};

}  // namespace kelvra
