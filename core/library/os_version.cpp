// ReadOsVersion: GetVersionExW, deprecated but the one call that answers the same
// on every system the library runs on.
#include "core/library/os_version.h"

namespace kelvra {

bool ReadOsVersion(OsVersion& version) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&info)) return false;
#pragma GCC diagnostic pop
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  return true;
}

}  // namespace kelvra
