// Tool-tip texts of toolbar buttons: one per command id for every toolbar, the
// delays of a toolbar's tool-tip window, and the answer to its text requests.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/toolbar/toolbar_host_messages.h"
#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/library/object_numbers.h"

namespace kelvra {

int32_t SetToolBarExToolTip(intptr_t key, int32_t id, const wchar_t* text) {
  if (!FindToolBarEx(key)) return 0;
  SetToolBarExToolTipText(id, text);
  return 1;
}

int32_t SetToolBarExToolTipDelay(intptr_t key, int32_t initial, int32_t autoPop, int32_t reshow) {
  ToolBarExRecord* toolbar = FindLiveToolBarEx(key);
  if (!toolbar) return 0;
  const auto tip = reinterpret_cast<HWND>(SendMessageW(toolbar->Window(), TB_GETTOOLTIPS, 0, 0));
  if (!tip) return 1;
  const struct {
    WPARAM which;
    int32_t value;
  } delays[] = {{TTDT_INITIAL, initial}, {TTDT_AUTOPOP, autoPop}, {TTDT_RESHOW, reshow}};
  for (const auto& delay : delays)
    if (delay.value) SendMessageW(tip, TTM_SETDELAYTIME, delay.which, MakeLong(static_cast<uint32_t>(delay.value), 0));
  return 1;
}

void ForgetToolBarExToolTipIfUnused(int32_t id) {
  // Ids are unique per toolbar only, and the texts are shared: another toolbar's
  // button with the same id still shows this one.
  if (!ToolBarExIdInUse(id)) DeleteToolBarExToolTip(id);
}

bool AnswerToolBarExToolTip(LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header) return false;
  const bool wide = header->code == TTN_GETDISPINFOW;
  if (!wide && header->code != TTN_GETDISPINFOA) return false;
  // Only the tool tips of our toolbars: the host may have tool tips of its own
  // whose ids collide with a button's.
  const ToolBarExRecord* toolbar = FindToolBarExByToolTip(header->hwndFrom);
  if (!toolbar || !ToolBarExWindowAlive(*toolbar) ||
      reinterpret_cast<HWND>(SendMessageW(toolbar->Window(), TB_GETTOOLTIPS, 0, 0)) != header->hwndFrom)
    return false;
  ToolBarExToolTipRecord* tip = FindToolBarExToolTip(static_cast<int32_t>(header->idFrom));
  if (!tip) return false;
  if (wide) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    info->hinst = nullptr;  // lpszText is a text, not a resource id
    info->lpszText = tip->text.data();
    return true;
  }
  // Sized by the conversion itself: a character may take more than one byte.
  const int size = WideCharToMultiByte(CP_ACP, 0, tip->text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  tip->narrowText.assign(size > 0 ? static_cast<size_t>(size) : 1, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_ACP, 0, tip->text.c_str(), -1, tip->narrowText.data(), size, nullptr, nullptr);
  auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
  info->hinst = nullptr;
  info->lpszText = tip->narrowText.data();
  return true;
}

}  // namespace kelvra
