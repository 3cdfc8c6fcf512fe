// Which skin a new button takes, and re-skinning on a skin change.
#include "panels/button_operations.h"
#include "panels/button_registry.h"
#include "panels/button_skin.h"
#include "skin/builtin_skins.h"
#include "skin/skin_list.h"

namespace kelvra {

namespace {

bool IsSkinHandle(intptr_t skin) { return FindSkin(static_cast<uintptr_t>(skin)) != nullptr; }

}  // namespace

void ApplyCreationSkin(intptr_t button, intptr_t skin) {
  if (IsSkinHandle(skin) && SetButtonSkin(button, static_cast<uintptr_t>(skin), L"", true)) return;
  if (skin < 0) return;  // the caller applies one itself
  SetButtonSkin(button, BuiltInSkin(kButtonSkin), L"", true);
}

void ApplyBuiltInSkin(intptr_t button, const wchar_t* key, const wchar_t* component) {
  SetButtonSkin(button, BuiltInSkin(key), component, true);
}

void ApplyChosenSkin(intptr_t button, intptr_t skin, const wchar_t* fallbackKey, const wchar_t* component) {
  const uintptr_t chosen = IsSkinHandle(skin) ? static_cast<uintptr_t>(skin) : BuiltInSkin(fallbackKey);
  SetButtonSkin(button, chosen, component, true);
}

void OnButtonSkinChanged(HWND page, LPARAM changedSkin) {
  const ButtonExRecord* button = FindButtonExByPage(page);
  if (!button || !button->skin) return;
  if (changedSkin && static_cast<uintptr_t>(changedSkin) != button->skin) return;
  const SkinRecord* skin = FindSkin(button->skin);
  if (!skin || skin->SkinAutoUpdate != 1) return;
  SetButtonSkin(reinterpret_cast<intptr_t>(button->window), button->skin, L"", false);
}

}  // namespace kelvra
