// Exports of skin files: thin shims over skin/files. No exception leaves them.
#include "kelvra.h"

#include <string>

#include "skin/files/skin_files.h"
#include "skin/files/skin_path.h"
#include "skin/records/skin_list.h"
#include "skin/values/skin_text.h"

extern "C" {

KELVRA_API int KELVRA_CALL SetSkinPath(LPCWSTR directory) {
  try {
    const std::wstring_view path = kelvra::TextOrEmpty(directory);
    if (path.empty()) return 0;
    const std::wstring text(path);
    const DWORD attributes = GetFileAttributesW(text.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;
    std::wstring stored = text;
    if (stored.back() != L'\\' && stored.back() != L'/') stored += L'\\';
    kelvra::SkinPath() = std::move(stored);
    return 1;
  } catch (...) {
    return 0;
  }
}

KELVRA_API HANDLE KELVRA_CALL LoadSkin(LPCWSTR file) {
  try {
    const auto result = kelvra::LoadSkinFile(kelvra::TextOrEmpty(file));
    switch (result.outcome) {
      case kelvra::SkinLoadOutcome::Loaded: return result.skin;
      case kelvra::SkinLoadOutcome::UnexpectedElement: return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));
      case kelvra::SkinLoadOutcome::FileMissing: return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-2));
      default: return nullptr;
    }
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL SaveSkin(HANDLE skin, LPCWSTR file, int flags) {
  try {
    const kelvra::SkinRecord* record = kelvra::FindSkin(skin);
    if (!record) return 0;
    return kelvra::SaveSkinFile(*record, kelvra::TextOrEmpty(file), (flags & 1) != 0) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
