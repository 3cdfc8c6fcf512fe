// Making and freeing ToolBarEx toolbars, and what the rest of the library asks of
// them (is a window a toolbar, repaint the toolbars of a page, free them all).
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "commandbars/commandbar_globals.h"
#include "commandbars/commandbars_seam.h"
#include "commandbars/host_window/host_window.h"
#include "commandbars/menu_ex_font.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/library/library_globals.h"
#include "core/library/object_numbers.h"
#include "core/platform/win_handles.h"
#include "core/windows/creation_hook.h"

namespace kelvra {

namespace {

// Bits of the flags word that never reach TB_SETSTYLE: the library's own (as
// window styles WS_BORDER up to WS_CLIPSIBLINGS), and those that would turn the
// control into another kind of window (WS_POPUP, WS_CHILD, WS_MINIMIZE,
// WS_VISIBLE, WS_DISABLED) where TB_SETSTYLE writes the window style.
constexpr uint32_t kNotControlStyle = kToolBarExLibraryBits | 0xF8000000u;
// Larger images than any icon a toolbar shows are taken for a mistake.
constexpr int32_t kMaxImageSide = 256;

uint32_t UIStyleOfFlags(uint32_t flags) {
  if (flags & kToolBarExImageOnly) return kUIStyleImageOnly;
  if (flags & kToolBarExOffice2003) return kToolBarExOffice2003;
  if (flags & kToolBarExOffice2007) return kToolBarExOffice2007;
  return 0;
}

struct ImageLists {
  UniqueImageList normal, hot, disabled;
};

bool MakeImageLists(int32_t width, int32_t height, ImageLists& lists) {
  lists.normal.reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 0));
  lists.hot.reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 0));
  lists.disabled.reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 0));
  return lists.normal && lists.hot && lists.disabled;
}

void EnsureToolbarClass() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  registered = InitCommonControlsEx(&controls) != FALSE;
}

int32_t FreshToolBarNumber() {
  int32_t number = NewObjectNumber();
  while (FindToolBarExByNumber(number)) number = NewObjectNumber();
  return number;
}

void FreeOne(ToolBarExRecord* toolbar) {
  const bool alive = ToolBarExWindowAlive(*toolbar);
  std::vector<int32_t> ids;
  for (ToolBarExButtonRecord* button : ToolBarExButtonsOf(*toolbar)) {
    ids.push_back(button->commandId);
    if (alive) ReleaseToolBarExGadget(*button);
    DeleteToolBarExButton(button);
  }
  for (int32_t id : ids) ForgetToolBarExToolTipIfUnused(id);
  DeleteMenuExBindings(toolbar->Window(), -1, true);
  // The control does not destroy image lists set on it: they go after it.
  if (alive) DestroyWindow(toolbar->Window());
  if (toolbar->HasImageLists()) {
    ImageList_Destroy(toolbar->normalList);
    ImageList_Destroy(toolbar->hotList);
    ImageList_Destroy(toolbar->disabledList);
  }
  DeleteToolBarEx(toolbar);
}

}  // namespace

bool ToolBarExWindowAlive(const ToolBarExRecord& toolbar) {
  return toolbar.window && IsWindow(toolbar.Window());
}

ToolBarExRecord* FindLiveToolBarEx(intptr_t key) {
  ToolBarExRecord* toolbar = FindToolBarEx(key);
  return toolbar && ToolBarExWindowAlive(*toolbar) ? toolbar : nullptr;
}

intptr_t MakeToolBarEx(int32_t number, HWND parent, int32_t imageWidth, int32_t imageHeight, uint32_t flags) {
  if (number != -1 && FindToolBarExByNumber(number)) return 0;
  if (!parent || !IsWindow(parent)) return 0;
  const bool withLists = imageWidth != 0 || imageHeight != 0;
  if (withLists && (imageWidth < 1 || imageHeight < 1 || imageWidth > kMaxImageSide || imageHeight > kMaxImageSide))
    return 0;

  EnsureToolbarClass();
  const int32_t chosen = number == -1 ? FreshToolBarNumber() : number;
  const HWND window = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0, 0, 0, parent,
                                      reinterpret_cast<HMENU>(static_cast<intptr_t>(chosen)), LibraryModule(), nullptr);
  if (!window) return 0;
  SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);

  ImageLists lists;
  if (withLists && !MakeImageLists(imageWidth, imageHeight, lists)) {
    DestroyWindow(window);
    return 0;
  }

  auto record = std::make_unique<ToolBarExRecord>();
  record->number = chosen;
  record->window = window;
  record->parent = parent;
  record->rowCount = 1;
  record->flags = flags | TBSTYLE_TOOLTIPS;
  record->uiStyle = UIStyleOfFlags(flags);
  record->toolTipWindow = reinterpret_cast<HWND>(SendMessageW(window, TB_GETTOOLTIPS, 0, 0));

  SendMessageW(window, TB_SETEXTENDEDSTYLE, 0,
               TBSTYLE_EX_DRAWDDARROWS | ((flags & kToolBarExHideClipped) ? TBSTYLE_EX_HIDECLIPPEDBUTTONS : 0));
  const LRESULT style = SendMessageW(window, TB_GETSTYLE, 0, 0);
  SendMessageW(window, TB_SETSTYLE, 0,
               static_cast<LPARAM>(static_cast<uint32_t>(style) | ((flags | TBSTYLE_TOOLTIPS) & ~kNotControlStyle)));

  if (withLists) {
    // The control's own lists, if it made any, are replaced by ours.
    for (UINT get : {TB_GETIMAGELIST, TB_GETHOTIMAGELIST, TB_GETDISABLEDIMAGELIST})
      if (auto own = reinterpret_cast<HIMAGELIST>(SendMessageW(window, get, 0, 0))) ImageList_Destroy(own);
    record->normalList = lists.normal.release();
    record->hotList = lists.hot.release();
    record->disabledList = lists.disabled.release();
    SendMessageW(window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(record->normalList));
    SendMessageW(window, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(record->hotList));
    SendMessageW(window, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(record->disabledList));
  }

  EnterToolBarEx(std::move(record));
  CommandBarState().settings.currentToolBarEx = chosen;

  SubclassHostWindow(parent);
  InstallCallWndProcHook();
  InstallMenuKeyboardHook(GetWindowThreadProcessId(parent, nullptr));
  EnsureMenuExFont();
  return number == -1 ? chosen : reinterpret_cast<intptr_t>(window);
}

int32_t FreeToolBarExByKey(intptr_t key) {
  if (key == -1) {
    auto& list = ToolBarExList();
    while (ToolBarExRecord* toolbar = list.First()) FreeOne(toolbar);
    return 1;
  }
  ToolBarExRecord* toolbar = FindToolBarEx(key);
  if (!toolbar) return 0;
  FreeOne(toolbar);
  return 1;
}

bool IsToolBarExWindow(HWND window) { return FindToolBarExByWindow(window) != nullptr; }

void RedrawToolBarExsOnPage(HWND page) {
  if (!page) return;
  std::vector<HWND> toolbars;
  for (const ToolBarExRecord& toolbar : ToolBarExList())
    if (toolbar.parent == page) toolbars.push_back(toolbar.Window());
  for (HWND toolbar : toolbars)
    if (IsWindow(toolbar)) RedrawWindow(toolbar, nullptr, nullptr, RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

namespace steps {

void FreeAllToolBars() { FreeToolBarExByKey(-1); }

}  // namespace steps

}  // namespace kelvra
