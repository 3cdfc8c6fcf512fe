// The eleven built-in skins: built by name the first time a control asks for one,
// ordinary skins afterwards (they can be changed, saved or freed, and are built
// again when asked for after FreeSkin).
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvra {

// Builds the built-in skin whose key equals `name` lower-cased ("sysbuttonskin"
// builds "sysButtonSkin"), unless a skin of that name exists already or the name is
// no key. Skins are not re-applied to windows while it is filled. Returns 0.
int32_t BuildDefaultSkin(std::wstring_view name) noexcept;

// The handle of the live skin named `key`, case-blind: the first skin of that name
// in the skin list (so an application's own skin of a built-in name serves),
// building the built-in one when there is none. 0 when no such skin exists and
// `key` names no built-in skin. For the creating exports of the button, explorer
// bar and splitter families.
uintptr_t BuiltInSkin(std::wstring_view key) noexcept;

}  // namespace kelvra
