// The skin engine's answers while it is not built: what skin/skin_seam.h promises
// as "nothing here", and what skin/skin_files_seam.h promises until skin files are
// built. Building one means deleting it here and defining it where it belongs.
#include "skin/skin_files_seam.h"
#include "skin/skin_seam.h"

namespace kelvra {

int32_t FindSkinPropertyFile(const SkinRecord&, std::wstring_view) { return 0; }
int32_t LoadSkinPropertyFile(SkinRecord&, SkinPropertyRecord&, std::wstring_view) { return 0; }

}  // namespace kelvra
