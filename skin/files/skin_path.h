// SkinPath: the folder that skin files and the data files they name are looked
// up in, ending in a separator; empty (the process's current directory) until
// SetSkinPath names an existing folder. Names are joined to it: the current
// directory is never changed.
#pragma once

#include <string>
#include <string_view>

namespace kelvra {

std::wstring& SkinPath();

// `path` below the skin path; a path with a drive, rooted or UNC as it stands
// (callers decide whether such a path may be followed at all).
std::wstring JoinSkinPath(std::wstring_view path);

}  // namespace kelvra
