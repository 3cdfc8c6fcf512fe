// What a running LoadSkin or SaveSkin tells the look-up of data files that its
// SetSkinProperty and FindSkinPropertyFile calls make: that values come from a
// file (their paths must then stay inside the skin's places), the budget of
// the whole operation, and the skin's own place, searched first.
#pragma once

#include <string>

#include "skin/files/skin_pack.h"

namespace kelvra {

struct SkinFileOperation {
  bool valuesFromFile = false;
  ReadBudget* budget = nullptr;
  // The skin's place (SkinRecord::fileOrigin) is searched first.
  bool searchOrigin = false;
  // The pack being loaded, open and checked, with its file's identity.
  const SkinPackReader* originPack = nullptr;
  std::wstring originPackIdentity;
};

// The operation running now; nullptr outside LoadSkin and SaveSkin.
SkinFileOperation* CurrentSkinFileOperation();

// Makes `operation` current for its lifetime (operations nest: a save inside a
// load's callback gets its own, and the outer one comes back).
class SkinFileOperationScope {
 public:
  explicit SkinFileOperationScope(SkinFileOperation& operation);
  ~SkinFileOperationScope();
  SkinFileOperationScope(const SkinFileOperationScope&) = delete;
  SkinFileOperationScope& operator=(const SkinFileOperationScope&) = delete;

 private:
  SkinFileOperation* saved_;
};

}  // namespace kelvra
