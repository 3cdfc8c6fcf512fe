// The skin path and the running skin-file operation.
#include "skin/files/skin_path.h"

#include "skin/files/skin_file_names.h"
#include "skin/files/skin_file_operation.h"

namespace kelvra {

std::wstring& SkinPath() {
  static std::wstring path;
  return path;
}

std::wstring JoinSkinPath(std::wstring_view path) {
  if (IsAbsolutePath(path)) return std::wstring(path);
  std::wstring joined = SkinPath();
  joined += path;
  return joined;
}

namespace {
SkinFileOperation*& Current() {
  static SkinFileOperation* current = nullptr;
  return current;
}
}  // namespace

SkinFileOperation* CurrentSkinFileOperation() { return Current(); }

SkinFileOperationScope::SkinFileOperationScope(SkinFileOperation& operation) : saved_(Current()) {
  Current() = &operation;
}
SkinFileOperationScope::~SkinFileOperationScope() { Current() = saved_; }

}  // namespace kelvra
