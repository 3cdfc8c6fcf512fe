// Which skin a new button takes, and re-skinning on a skin change.
#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"
#include "panels/button/button_skin.h"
#include "skin/builtin/builtin_skins.h"
#include "skin/records/skin_list.h"

namespace kelvra {

namespace {

bool IsSkinHandle(intptr_t skin) { return FindSkin(static_cast<uintptr_t>(skin)) != nullptr; }

}  // namespace

void ApplyCreationSkin(HWND page, intptr_t skin) {
  if (IsSkinHandle(skin) && SetButtonSkinOfPage(page, static_cast<uintptr_t>(skin), L"", true)) return;
  if (skin < 0) return;  // the caller applies one itself
  SetButtonSkinOfPage(page, BuiltInSkin(kButtonSkin), L"", true);
}

void ApplyBuiltInSkin(HWND page, const wchar_t* key, const wchar_t* component) {
  SetButtonSkinOfPage(page, BuiltInSkin(key), component, true);
}

void ApplyChosenSkin(HWND page, intptr_t skin, const wchar_t* fallbackKey, const wchar_t* component) {
  const uintptr_t chosen = IsSkinHandle(skin) ? static_cast<uintptr_t>(skin) : BuiltInSkin(fallbackKey);
  SetButtonSkinOfPage(page, chosen, component, true);
}

void OnButtonSkinChanged(HWND page, LPARAM changedSkin) {
  const ButtonExRecord* button = FindButtonExByPage(page);
  if (!button || !button->skin) return;
  if (changedSkin && static_cast<uintptr_t>(changedSkin) != button->skin) return;
  const SkinRecord* skin = FindSkin(button->skin);
  if (!skin || skin->SkinAutoUpdate != 1) return;
  SetButtonSkinOfPage(page, button->skin, L"", false);
}

}  // namespace kelvra
