// Button skins: the components each kind reads, the built-in skins the creating
// exports fall back on, and the skin steps of creation and of a skin change.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

inline constexpr const wchar_t* kComponentButton = L"buttonex";
inline constexpr const wchar_t* kComponentImageButton = L"imagebuttonex";
inline constexpr const wchar_t* kComponentToggleButton = L"togglebuttonex";
inline constexpr const wchar_t* kComponentCheckButton = L"checkbuttonex";
inline constexpr const wchar_t* kComponentRadioButton = L"radiobuttonex";

// Keys of the built-in skins.
inline constexpr const wchar_t* kButtonSkin = L"sysbuttonskin";
inline constexpr const wchar_t* kImageButtonSkin = L"imagebuttonskin";
inline constexpr const wchar_t* kToggleButtonSkin = L"systogglebuttonskin";
inline constexpr const wchar_t* kStickyButtonSkin = L"sysstickybuttonskin";
inline constexpr const wchar_t* kCheckButtonSkin = L"syscheckbuttonskin";
inline constexpr const wchar_t* kRadioButtonSkin = L"sysradiobuttonskin";

// `page`: the page of a new button.
// ButtonEx's skin step: a skin is applied; when it is no skin (but not negative),
// or 0, the built-in push-button skin is; a negative value applies nothing.
void ApplyCreationSkin(HWND page, intptr_t skin);
// The built-in skin of `key`, built on first use, read from `component`.
void ApplyBuiltInSkin(HWND page, const wchar_t* key, const wchar_t* component);
// `skin` when it is a skin, else the built-in skin of `fallbackKey`.
void ApplyChosenSkin(HWND page, intptr_t skin, const wchar_t* fallbackKey, const wchar_t* component);

// SkinChangedMessage at a button's page: lParam 0 (every skin) or the button's
// skin re-skins it from its own skin and component, without repainting, when
// that skin updates automatically.
void OnButtonSkinChanged(HWND page, LPARAM changedSkin);

}  // namespace kelvra
