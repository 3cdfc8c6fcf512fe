// The system's version as GetVersionExW reports it. Without a manifest the system
// may claim an older NT 6 version than it is; callers only ask "NT 6 or later".
#pragma once

#include <windows.h>

namespace kelvra {

struct OsVersion {
  DWORD major = 0, minor = 0;
};

// False when the version cannot be read.
bool ReadOsVersion(OsVersion& version);

}  // namespace kelvra
