// Adding buttons and separators to the current toolbar, at its end or, inside an
// Insert* call, at a position; and the Insert* frame itself. A call that fails
// leaves nothing behind: no icon in a list, no record, no button.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/commandbar_globals.h"
#include "commandbars/toolbar/toolbar_button_add.h"
#include "commandbars/toolbar/toolbar_images.h"
#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/library/library_globals.h"
#include "core/library/object_numbers.h"
#include "core/platform/win_handles.h"
#include "core/text/formatted_text.h"
#include "skin/elements/ui_element_painter.h"

namespace kelvra {

namespace {

constexpr int kSeparatorWidth = 6;

bool IsOfficeStyle(uint32_t style) {
  return style == kToolBarExOffice2003 || style == 6 || style == kToolBarExOffice2007;
}

// The icons of one button as they go into the three lists.
struct ButtonIcons {
  HANDLE normal = nullptr;
  HANDLE hot = nullptr;
  HANDLE disabled = nullptr;
  bool disabledDerived = false;
  UniqueIcon derived;  // the tinted disabled icon, destroyed once copied
};

ButtonIcons ResolveIcons(const ToolBarExIcons& given) {
  ButtonIcons icons;
  const HANDLE placeholder = Globals().emptyIcon;
  icons.normal = given.normal ? given.normal : placeholder;
  icons.hot = given.hot ? given.hot : icons.normal;
  icons.disabled = given.disabled ? given.disabled : placeholder;
  // A missing disabled icon of a real normal one is its tint, made once the
  // normal icon was taken (AppendIcons).
  icons.disabledDerived = !given.disabled && icons.normal != placeholder;
  return icons;
}

// Appends the three icons, each to its list. A hot icon the list refuses takes
// the normal one's place, a disabled one the placeholder's: the three lists keep
// one icon per button. A refused normal icon fails the whole call.
bool AppendIcons(const ToolBarExRecord& toolbar, ButtonIcons& icons) {
  if (!toolbar.HasImageLists()) {
    icons.disabledDerived = false;
    return true;
  }
  if (AppendToolBarExIcon(toolbar.normalList, icons.normal) < 0) return false;
  if (icons.disabledDerived) {
    icons.derived.reset(TintImageForUIStyle(icons.normal, toolbar.uiStyle));
    icons.disabledDerived = static_cast<bool>(icons.derived);
    if (icons.derived) icons.disabled = icons.derived.get();
  }
  if (AppendToolBarExIcon(toolbar.hotList, icons.hot) < 0) {
    icons.hot = icons.normal;
    if (AppendToolBarExIcon(toolbar.hotList, icons.normal) < 0) {
      ImageList_Remove(toolbar.normalList, ImageList_GetImageCount(toolbar.normalList) - 1);
      return false;
    }
  }
  if (AppendToolBarExIcon(toolbar.disabledList, icons.disabled) < 0) {
    icons.disabled = Globals().emptyIcon;
    icons.disabledDerived = false;
    if (AppendToolBarExIcon(toolbar.disabledList, icons.disabled) < 0) {
      ImageList_Remove(toolbar.normalList, ImageList_GetImageCount(toolbar.normalList) - 1);
      ImageList_Remove(toolbar.hotList, ImageList_GetImageCount(toolbar.hotList) - 1);
      return false;
    }
  }
  return true;
}

void RemoveIconsAt(const ToolBarExRecord& toolbar, int index) {
  if (!toolbar.HasImageLists()) return;
  ImageList_Remove(toolbar.normalList, index);
  ImageList_Remove(toolbar.disabledList, index);
  ImageList_Remove(toolbar.hotList, index);
}

}  // namespace

std::wstring ToolBarExPlainLabel(const wchar_t* text) {
  std::wstring label = text ? text : L"";
  if (label.find(L'\\') == std::wstring::npos) return label;
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return label;
  RECT rect{0, 0, 0, 0};
  return DrawFormattedText(dc.get(), label, &rect, nullptr,
                           FormattedTextFlags::MeasureOnly | FormattedTextFlags::CollectText);
}

namespace {

INT_PTR AddLabelString(HWND toolbar, const wchar_t* text) {
  std::wstring plain = ToolBarExPlainLabel(text);
  if (plain.empty()) return -1;
  plain.push_back(L'\0');  // the string list ends in two nulls
  return static_cast<INT_PTR>(SendMessageW(toolbar, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(plain.c_str())));
}

void AdjustButtonSize(ToolBarExRecord& toolbar) {
  const HWND window = toolbar.Window();
  SendMessageW(window, TB_AUTOSIZE, 0, 0);
  if (IsOfficeStyle(toolbar.uiStyle)) {
    const DWORD size = static_cast<DWORD>(SendMessageW(window, TB_GETBUTTONSIZE, 0, 0));
    if (toolbar.adjustedButtonHeight == 0) {
      const int height = HIWORD(size) + 3;
      SendMessageW(window, TB_SETBUTTONSIZE, 0, MakeLong(LOWORD(size), height));
      toolbar.adjustedButtonHeight = height;
    } else if (HIWORD(size) < toolbar.adjustedButtonHeight) {
      // The control measures its buttons again as they come (Wine's does), which
      // undoes the 3 pixels: the height set once is kept, not grown again.
      SendMessageW(window, TB_SETBUTTONSIZE, 0, MakeLong(LOWORD(size), toolbar.adjustedButtonHeight));
    }
  } else if (toolbar.uiStyle == kUIStyleImageOnly && toolbar.HasImageLists()) {
    int width = 0, height = 0;
    if (!ImageList_GetIconSize(toolbar.normalList, &width, &height)) return;
    // The padding first: the button size is clamped to the image plus the
    // padding in force, so buttons would keep a default padding's worth.
    SendMessageW(window, TB_SETPADDING, 0, 0);
    SendMessageW(window, TB_SETBUTTONSIZE, 0, MakeLong(width, height));
    toolbar.adjustedButtonHeight = height;
  }
}

// Where the new button goes: -1 appends. Outside an Insert* call always -1.
int InsertPosition(int count) {
  const ToolBarExInsertMode& mode = CommandBarState().settings.toolBarExInsertMode;
  if (!mode.on) return -1;
  int position = mode.position;
  if (position >= count + 1) position = -1;
  else if (position < -1) position = 0;
  return position;
}

}  // namespace

int32_t FreshToolBarExCommandId() {
  // Every id in use would never end the search: give up after one round.
  for (int tries = 0; tries < 0x10000; ++tries) {
    const auto id = static_cast<int32_t>(NextCommandID());
    if (!ToolBarExIdInUse(id)) return id;
  }
  return 0;
}

int ToolBarExButtonIndex(const ToolBarExButtonRecord& button) {
  return static_cast<int>(SendMessageW(button.toolbarWindow, TB_COMMANDTOINDEX, static_cast<WPARAM>(button.commandId), 0));
}

ToolBarExButtonRecord* PlaceToolBarExButton(ToolBarExRecord& toolbar, std::unique_ptr<ToolBarExButtonRecord> record,
                                            const ToolBarExIcons& given, BYTE state, BYTE style, INT_PTR string,
                                            bool withImage) {
  const HWND window = toolbar.Window();
  ButtonIcons icons;
  if (withImage) {
    icons = ResolveIcons(given);
  } else {
    icons.normal = icons.hot = icons.disabled = Globals().emptyIcon;
  }
  if (!AppendIcons(toolbar, icons)) return nullptr;

  const int count = static_cast<int>(SendMessageW(window, TB_BUTTONCOUNT, 0, 0));
  const int position = InsertPosition(count);
  const int index = position == -1 ? count : position;
  if (position != -1 && toolbar.HasImageLists()) {
    InsertImageListIconAt(toolbar.normalList, icons.normal, index);
    InsertImageListIconAt(toolbar.hotList, icons.hot, index);
    InsertImageListIconAt(toolbar.disabledList, icons.disabled, index);
  }

  if (withImage) {
    record->normalIcon = icons.normal;
    record->hotIcon = icons.hot;
    record->disabledIcon = icons.disabled;
    record->disabledDerived = icons.disabledDerived ? 1 : 0;
    record->tintStyle = static_cast<int32_t>(toolbar.uiStyle);
  }
  record->toolbarNumber = toolbar.number;
  record->toolbarWindow = window;
  record->toolbar = &toolbar;
  ToolBarExButtonRecord* button = EnterToolBarExButton(std::move(record));

  TBBUTTON native{};
  native.iBitmap = !withImage || icons.normal == Globals().emptyIcon ? I_IMAGENONE : index;
  native.idCommand = button->commandId;
  native.fsState = state;
  native.fsStyle = style;
  native.dwData = reinterpret_cast<DWORD_PTR>(button);
  native.iString = string;
  const WPARAM at = position == -1 ? static_cast<WPARAM>(count + 1) : static_cast<WPARAM>(position);
  if (!SendMessageW(window, TB_INSERTBUTTONW, at, reinterpret_cast<LPARAM>(&native))) {
    RemoveIconsAt(toolbar, index);
    DeleteToolBarExButton(button);
    return nullptr;
  }
  // The icons of the buttons after it moved up by one: so must their indexes.
  if (position != -1) RenumberToolBarExImages(window, index + 1);
  return button;
}

int32_t AddToolBarExImageButton(int32_t id, const wchar_t* text, const ToolBarExIcons& icons, int32_t style) {
  if (style & BTNS_SEP) return AddToolBarExSeparator();
  ToolBarExRecord* toolbar = CurrentToolBarExRecord();
  if (!toolbar || !ToolBarExWindowAlive(*toolbar)) return 0;
  if (id != -1 && FindToolBarExButton(*toolbar, id)) return 0;
  if (id == -1 && !(id = FreshToolBarExCommandId())) return 0;

  auto record = std::make_unique<ToolBarExButtonRecord>();
  record->commandId = id;
  record->label = text ? text : L"";
  const INT_PTR string = AddLabelString(toolbar->Window(), text);
  if (!PlaceToolBarExButton(*toolbar, std::move(record), icons, TBSTATE_ENABLED, static_cast<BYTE>(style), string, true))
    return 0;
  AdjustButtonSize(*toolbar);
  LayoutToolBarExGadgets(*toolbar);
  return id;
}

int32_t AddToolBarExButton(int32_t id, const wchar_t* text, int32_t style) {
  if (style & BTNS_SEP) return AddToolBarExSeparator();
  return AddToolBarExImageButton(id, text, ToolBarExIcons{}, style);
}

int32_t AddToolBarExSeparator() {
  ToolBarExRecord* toolbar = CurrentToolBarExRecord();
  if (!toolbar || !ToolBarExWindowAlive(*toolbar)) return 0;
  const int32_t id = FreshToolBarExCommandId();
  if (!id) return 0;
  auto record = std::make_unique<ToolBarExButtonRecord>();
  record->commandId = id;
  record->separator = 1;
  ToolBarExButtonRecord* button = PlaceToolBarExButton(*toolbar, std::move(record), ToolBarExIcons{}, 0, 0, -1, false);
  if (!button) return 0;
  SetToolBarExSlotWidth(*button, kSeparatorWidth);
  LayoutToolBarExGadgets(*toolbar);
  return id;
}

bool SetToolBarExSlotWidth(const ToolBarExButtonRecord& button, int width) {
  const int index = ToolBarExButtonIndex(button);
  if (index < 0) return false;
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_SIZE | TBIF_BYINDEX;
  info.cx = static_cast<WORD>(width < 0 ? 0 : width > 0x7FFF ? 0x7FFF : width);
  return SendMessageW(button.toolbarWindow, TB_SETBUTTONINFOW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&info)) != 0;
}

int32_t InsertIntoToolBarEx(intptr_t key, int32_t position, const std::function<int32_t()>& add) {
  ToolBarExRecord* toolbar = FindToolBarEx(key);
  if (!toolbar) return 0;
  auto& settings = CommandBarState().settings;
  // Restored however the adder ends.
  struct Restore {
    CommandBarSettings& settings;
    ToolBarExInsertMode mode;
    int32_t current;
    ~Restore() {
      settings.toolBarExInsertMode = mode;
      settings.currentToolBarEx = current;
    }
  } restore{settings, settings.toolBarExInsertMode, settings.currentToolBarEx};
  settings.toolBarExInsertMode = ToolBarExInsertMode{true, position};
  settings.currentToolBarEx = toolbar->number;
  return add();
}

}  // namespace kelvra
