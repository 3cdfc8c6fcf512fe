// The operations on a toolbar's buttons after they were added: new icons and
// text, removal, enabling, hiding, checking, sizes and the toolbar's UI style.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/commandbars_seam.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/toolbar/toolbar_button_add.h"
#include "commandbars/toolbar/toolbar_images.h"
#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/library/library_globals.h"
#include "core/library/object_numbers.h"
#include "core/platform/uxtheme_api.h"
#include "core/platform/win_handles.h"
#include "skin/elements/ui_element_painter.h"

namespace kelvra {

namespace {

struct ButtonAt {
  ToolBarExRecord* toolbar = nullptr;
  ToolBarExButtonRecord* button = nullptr;
  explicit operator bool() const { return button != nullptr; }
};

// The live toolbar and its button with the id.
ButtonAt FindButton(intptr_t key, int32_t id) {
  ButtonAt at;
  at.toolbar = FindLiveToolBarEx(key);
  if (at.toolbar) at.button = FindToolBarExButton(*at.toolbar, id);
  return at;
}

const HANDLE kLeaveImage = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

int16_t ClampWord(int32_t value) {
  return static_cast<int16_t>(value < 0 ? 0 : value > 0x7FFF ? 0x7FFF : value);
}

}  // namespace

int32_t ChangeToolBarExButton(intptr_t key, int32_t id, const wchar_t* text, const ToolBarExIcons& given) {
  ButtonAt at = FindButton(key, id);
  if (!at) return 0;
  ToolBarExRecord& toolbar = *at.toolbar;
  ToolBarExButtonRecord& button = *at.button;
  const HANDLE placeholder = Globals().emptyIcon;
  const HWND window = toolbar.Window();
  const int index = ToolBarExButtonIndex(button);

  HANDLE normal = given.normal ? given.normal : placeholder;
  HANDLE hot = given.hot ? given.hot : placeholder;
  HANDLE disabled = given.disabled;
  UniqueIcon derived;
  if (!disabled && normal != placeholder && toolbar.HasImageLists() && index >= 0) {
    // With the normal image left as it is, its tint comes from the list.
    UniqueIcon source;
    if (normal == kLeaveImage) source.reset(ImageList_GetIcon(toolbar.normalList, index, ILD_TRANSPARENT));
    derived.reset(TintImageForUIStyle(source ? source.get() : normal, toolbar.uiStyle));
  }
  if (!disabled) disabled = derived ? derived.get() : placeholder;

  if (index >= 0 && toolbar.HasImageLists()) {
    const struct {
      UINT get;
      HANDLE image;
    } lists[] = {{TB_GETIMAGELIST, normal}, {TB_GETHOTIMAGELIST, hot}, {TB_GETDISABLEDIMAGELIST, disabled}};
    for (const auto& list : lists) {
      if (list.image == kLeaveImage) continue;
      const auto native = reinterpret_cast<HIMAGELIST>(SendMessageW(window, list.get, 0, 0));
      ReplaceToolBarExIcon(native, index, list.image);
    }
  }
  if (normal != kLeaveImage) button.normalIcon = normal;
  if (hot != kLeaveImage) button.hotIcon = hot;
  if (disabled != kLeaveImage) {
    button.disabledIcon = disabled;
    button.disabledDerived = derived ? 1 : 0;
    button.tintStyle = derived ? static_cast<int32_t>(toolbar.uiStyle) : 0;
  }

  button.label = text ? text : L"";
  std::wstring plain = ToolBarExPlainLabel(text);
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_TEXT;
  info.pszText = plain.data();
  info.cchText = static_cast<int>(plain.size());
  SendMessageW(window, TB_SETBUTTONINFOW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
  LayoutToolBarExGadgets(toolbar);
  return 1;
}

int32_t RemoveToolBarExButtonAt(intptr_t key, int32_t idOrIndex, bool byIndex) {
  ToolBarExRecord* toolbar = FindLiveToolBarEx(key);
  if (!toolbar) return 0;
  const HWND window = toolbar->Window();
  int32_t id = idOrIndex;
  if (byIndex) {
    TBBUTTON native{};
    if (idOrIndex < 0 || !SendMessageW(window, TB_GETBUTTON, static_cast<WPARAM>(idOrIndex), reinterpret_cast<LPARAM>(&native)))
      return 0;
    id = native.idCommand;
  }
  ToolBarExButtonRecord* button = FindToolBarExButton(*toolbar, id);
  if (!button) return 0;
  const int index = byIndex ? idOrIndex : ToolBarExButtonIndex(*button);
  if (index < 0) return 0;
  const int32_t result = static_cast<int32_t>(SendMessageW(window, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0));
  if (result == 1) {
    if (toolbar->HasImageLists()) {
      ImageList_Remove(toolbar->normalList, index);
      ImageList_Remove(toolbar->disabledList, index);
      ImageList_Remove(toolbar->hotList, index);
    }
    // The icons after it moved down by one: so must the image indexes.
    RenumberToolBarExImages(window, index);
    ReleaseToolBarExGadget(*button);
    DeleteToolBarExButton(button);
    DeleteMenuExBindings(window, id, false);
    ForgetToolBarExToolTipIfUnused(id);
  }
  LayoutToolBarExGadgets(*toolbar);
  return result;
}

int32_t DisableToolBarExButton(intptr_t key, int32_t id, bool disable) {
  ButtonAt at = FindButton(key, id);
  if (!at) return 0;
  return static_cast<int32_t>(
      SendMessageW(at.toolbar->Window(), TB_ENABLEBUTTON, static_cast<WPARAM>(id), MakeLong(disable ? 0 : 1, 0)));
}

int32_t HideToolBarExButton(intptr_t key, int32_t id, bool hide) {
  ButtonAt at = FindButton(key, id);
  if (!at) return 0;
  const auto result = static_cast<int32_t>(
      SendMessageW(at.toolbar->Window(), TB_HIDEBUTTON, static_cast<WPARAM>(id), MakeLong(hide ? 1 : 0, 0)));
  if (result == 1 && at.button->gadget && IsWindow(at.button->gadget))
    ShowWindow(at.button->gadget, hide ? SW_HIDE : SW_SHOW);
  LayoutToolBarExGadgets(*at.toolbar);
  return result;
}

int32_t CheckToolBarExButton(intptr_t key, int32_t id, bool check) {
  ButtonAt at = FindButton(key, id);
  if (!at) return 0;
  return static_cast<int32_t>(
      SendMessageW(at.toolbar->Window(), TB_CHECKBUTTON, static_cast<WPARAM>(id), MakeLong(check ? 1 : 0, 0)));
}

int32_t SetToolBarExButtonWidthOf(intptr_t key, int32_t id, int32_t width) {
  ButtonAt at = FindButton(key, id);
  if (!at) return 0;
  const auto& margins = at.button->margins;
  const int64_t total = static_cast<int64_t>(width) + margins.left + margins.right;
  const bool set = SetToolBarExSlotWidth(*at.button, static_cast<int>(total < 0 ? 0 : total > 0x7FFF ? 0x7FFF : total));
  LayoutToolBarExGadgets(*at.toolbar);
  return set ? 1 : 0;
}

int32_t ToolBarExButtonWidthOf(intptr_t key, int32_t id) {
  ToolBarExRecord* toolbar = FindLiveToolBarEx(key);
  if (!toolbar) return 0;
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_SIZE;
  if (SendMessageW(toolbar->Window(), TB_GETBUTTONINFOW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info)) < 0)
    return 0;
  return static_cast<int16_t>(info.cx);
}

int32_t SetToolBarExHeightOf(intptr_t key, int32_t height) {
  ToolBarExRecord* toolbar = FindLiveToolBarEx(key);
  if (!toolbar) return 0;
  const HWND window = toolbar->Window();
  // Width 0 would mean 24 pixels, not "as it is": every fixed-width button would
  // shrink to that. The current width goes with the new height.
  const DWORD size = static_cast<DWORD>(SendMessageW(window, TB_GETBUTTONSIZE, 0, 0));
  const auto result = static_cast<int32_t>(
      SendMessageW(window, TB_SETBUTTONSIZE, 0, MakeLong(LOWORD(size), static_cast<uint16_t>(ClampWord(height)))));
  if (result == 1) LayoutToolBarExGadgets(*toolbar);
  return result;
}

int32_t ToolBarExHeightOf(intptr_t key) {
  ToolBarExRecord* toolbar = FindLiveToolBarEx(key);
  if (!toolbar) return 0;
  return HIWORD(static_cast<DWORD>(SendMessageW(toolbar->Window(), TB_GETBUTTONSIZE, 0, 0)));
}

int32_t SetToolBarExUIStyle(intptr_t key, uint32_t style) {
  ToolBarExRecord* toolbar = FindToolBarEx(key);
  if (!toolbar) return 0;
  toolbar->uiStyle = style;
  const HWND window = toolbar->Window();
  TintMenuAndToolBarIcons(static_cast<uintptr_t>(static_cast<uint32_t>(toolbar->number)), 4);
  if (IsWindow(window))
    RedrawWindow(GetAncestor(window, GA_ROOT), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return 1;
}

int32_t DisableToolBarExFade(intptr_t key) {
  ToolBarExRecord* toolbar = FindToolBarEx(key);
  if (!toolbar || Globals().osVersionCode < 70) return 0;
  auto& theme = UxTheme();
  if (!theme.SetWindowTheme || !ToolBarExWindowAlive(*toolbar)) return 1;
  const HWND window = toolbar->Window();
  theme.SetWindowTheme(window, L"", L"");
  const uint32_t style = toolbar->uiStyle;
  if (style == kToolBarExOffice2003 || style == 6 || style == kToolBarExOffice2007) {
    const DWORD size = static_cast<DWORD>(SendMessageW(window, TB_GETBUTTONSIZE, 0, 0));
    const int height = HIWORD(size) + 3;
    SendMessageW(window, TB_SETBUTTONSIZE, 0, MakeLong(LOWORD(size), height));
    toolbar->adjustedButtonHeight = height;
  }
  return 1;
}

HWND ToolBarExGadgetOf(intptr_t key, int32_t id) {
  ToolBarExRecord* toolbar = FindToolBarEx(key);
  if (!toolbar) return nullptr;
  const ToolBarExButtonRecord* button = FindToolBarExButton(*toolbar, id);
  return button ? button->gadget : nullptr;
}

}  // namespace kelvra
