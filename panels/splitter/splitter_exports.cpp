// Exports of the SplitterEx family: thin shims over
// panels/splitter/splitter_operations.h.
#include "kelvra.h"

#include "panels/splitter/splitter_operations.h"
#include "panels/splitter/splitter_registry.h"

namespace {

intptr_t Key(int value) { return static_cast<intptr_t>(value); }

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL SplitterEx(HWND parent, int number, int x, int y, int width, int height, HWND first,
                                      HWND second, HANDLE skin, int flags) {
  try {
    kelvra::SplitterExPlace place;
    place.parent = parent;
    place.number = number;
    place.x = x;
    place.y = y;
    place.width = width;
    place.height = height;
    place.first = first;
    place.second = second;
    place.skin = reinterpret_cast<uintptr_t>(skin);
    place.flags = static_cast<uint32_t>(flags);
    return static_cast<int>(kelvra::CreateSplitter(place));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetSplitterExAttribute(int splitter, int code, int value) {
  try {
    return kelvra::SetSplitterAttribute(Key(splitter), code, value);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL GetSplitterExAttribute(int splitter, int code) {
  try {
    return kelvra::GetSplitterAttribute(Key(splitter), code);
  } catch (...) {
    return -1;
  }
}

KELVRA_API int KELVRA_CALL SetSplitterExSkin(int splitter, HANDLE skin, LPCWSTR component, BYTE noRedraw) {
  try {
    return kelvra::SetSplitterSkin(Key(splitter), reinterpret_cast<uintptr_t>(skin), component, noRedraw == 0);
  } catch (...) {
    return 0;
  }
}

KELVRA_API HANDLE KELVRA_CALL GetSplitterExSkin(int splitter) {
  try {
    const kelvra::SplitterExRecord* record = kelvra::FindSplitterEx(Key(splitter));
    return record ? reinterpret_cast<HANDLE>(record->skin) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API HWND KELVRA_CALL SplitterExID(int number) {
  try {
    const kelvra::SplitterExRecord* record = kelvra::FindSplitterExByNumber(number);
    return record ? record->Container() : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL FreeSplitterEx(int splitter) {
  try {
    return kelvra::FreeSplitter(Key(splitter));
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
