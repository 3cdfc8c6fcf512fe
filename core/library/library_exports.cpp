// Exports of the library's start and end and its small value helpers.
#include "kelvra.h"

#include "core/library/library_lifecycle.h"

extern "C" {

KELVRA_API void KELVRA_CALL Kelvra_Init(void) {
  try {
    kelvra::InitLibrary();
  } catch (...) {
  }
}

KELVRA_API int KELVRA_CALL StartKelvra(void) {
  try {
    kelvra::StartLibrary();
  } catch (...) {
  }
  return 0;
}

KELVRA_API int KELVRA_CALL Kelvra_End(void) {
  try {
    kelvra::EndLibrary(kelvra::EndContext::Explicit);
  } catch (...) {
  }
  return 0;
}

KELVRA_API float KELVRA_CALL KelvraVersion(void) { return KELVRA_VERSION_VALUE; }

KELVRA_API int KELVRA_CALL HWord(int value) { return static_cast<int>((static_cast<unsigned>(value) >> 16) & 0xFFFFu); }

KELVRA_API int KELVRA_CALL LWord(int value) { return static_cast<int>(static_cast<unsigned>(value) & 0xFFFFu); }

}  // extern "C"
