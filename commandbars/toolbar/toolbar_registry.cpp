// The toolbar, button and tool-tip lists and their indexes.
#include "commandbars/toolbar/toolbar_registry.h"

#include <unordered_map>

#include "commandbars/commandbar_globals.h"

namespace kelvra {

namespace {

struct ToolBarIndexes {
  // Per toolbar, its buttons by command id (ids are unique within a toolbar).
  std::unordered_map<const ToolBarExRecord*, std::unordered_map<int32_t, ToolBarExButtonRecord*>> buttons;
  // How many buttons of all toolbars carry each id.
  std::unordered_map<int32_t, int32_t> idUses;
  std::unordered_map<HWND, std::vector<ToolBarExButtonRecord*>> gadgets;
  std::unordered_map<HWND, ToolBarExRecord*> toolTips;
  std::unordered_map<int32_t, ToolBarExToolTipRecord*> tipTexts;
};

ToolBarIndexes& Indexes() {
  static ToolBarIndexes indexes;
  return indexes;
}

}  // namespace

ControlList<ToolBarExRecord>& ToolBarExList() {
  static ControlList<ToolBarExRecord> list;
  return list;
}

ControlList<ToolBarExButtonRecord>& ToolBarExButtonList() {
  static ControlList<ToolBarExButtonRecord> list;
  return list;
}

ControlList<ToolBarExToolTipRecord>& ToolBarExToolTipList() {
  static ControlList<ToolBarExToolTipRecord> list;
  return list;
}

ToolBarExRecord* FindToolBarEx(intptr_t key) { return ToolBarExList().Find(key); }
ToolBarExRecord* FindToolBarExByNumber(int32_t number) { return ToolBarExList().FindByNumber(number); }
ToolBarExRecord* FindToolBarExByWindow(HWND window) {
  return window ? ToolBarExList().FindByWindow(window) : nullptr;
}

ToolBarExRecord* FindToolBarExByToolTip(HWND toolTip) {
  if (!toolTip) return nullptr;
  const auto& tips = Indexes().toolTips;
  auto it = tips.find(toolTip);
  return it == tips.end() ? nullptr : it->second;
}

ToolBarExRecord* CurrentToolBarExRecord() {
  const int32_t current = CommandBarState().settings.currentToolBarEx;
  return current == -1 ? nullptr : FindToolBarExByNumber(current);
}

ToolBarExRecord* EnterToolBarEx(std::unique_ptr<ToolBarExRecord> toolbar) {
  ToolBarExRecord* entered = ToolBarExList().Append(std::move(toolbar));
  if (entered->toolTipWindow) Indexes().toolTips[entered->toolTipWindow] = entered;
  Indexes().buttons[entered];
  return entered;
}

void DeleteToolBarEx(ToolBarExRecord* toolbar) {
  if (!toolbar) return;
  auto& indexes = Indexes();
  auto tip = indexes.toolTips.find(toolbar->toolTipWindow);
  if (tip != indexes.toolTips.end() && tip->second == toolbar) indexes.toolTips.erase(tip);
  indexes.buttons.erase(toolbar);
  ToolBarExList().Remove(toolbar);
}

ToolBarExButtonRecord* FindToolBarExButton(const ToolBarExRecord& toolbar, int32_t id) {
  const auto& buttons = Indexes().buttons;
  auto of = buttons.find(&toolbar);
  if (of == buttons.end()) return nullptr;
  auto it = of->second.find(id);
  return it == of->second.end() ? nullptr : it->second;
}

bool ToolBarExIdInUse(int32_t id) { return Indexes().idUses.count(id) != 0; }

std::vector<ToolBarExButtonRecord*> ToolBarExButtonsOf(const ToolBarExRecord& toolbar) {
  std::vector<ToolBarExButtonRecord*> result;
  const auto& buttons = Indexes().buttons;
  auto of = buttons.find(&toolbar);
  if (of == buttons.end()) return result;
  result.reserve(of->second.size());
  for (const auto& [id, button] : of->second) result.push_back(button);
  return result;
}

std::vector<ToolBarExButtonRecord*> ToolBarExGadgetButtonsOf(const ToolBarExRecord& toolbar) {
  std::vector<ToolBarExButtonRecord*> result;
  // Gadgets are few next to buttons: walk them rather than the toolbar's buttons.
  for (const auto& [gadget, buttons] : Indexes().gadgets)
    for (ToolBarExButtonRecord* button : buttons)
      if (button->toolbar == &toolbar) result.push_back(button);
  return result;
}

const std::vector<ToolBarExButtonRecord*>& ToolBarExButtonsWithGadget(HWND gadget) {
  static const std::vector<ToolBarExButtonRecord*> none;
  if (!gadget) return none;
  const auto& gadgets = Indexes().gadgets;
  auto it = gadgets.find(gadget);
  return it == gadgets.end() ? none : it->second;
}

ToolBarExButtonRecord* EnterToolBarExButton(std::unique_ptr<ToolBarExButtonRecord> button) {
  auto& indexes = Indexes();
  ToolBarExButtonRecord* entered = ToolBarExButtonList().Append(std::move(button));
  indexes.buttons[entered->toolbar][entered->commandId] = entered;
  ++indexes.idUses[entered->commandId];
  if (entered->gadget) indexes.gadgets[entered->gadget].push_back(entered);
  return entered;
}

void DeleteToolBarExButton(ToolBarExButtonRecord* button) {
  if (!button) return;
  auto& indexes = Indexes();
  auto of = indexes.buttons.find(button->toolbar);
  if (of != indexes.buttons.end()) {
    auto it = of->second.find(button->commandId);
    if (it != of->second.end() && it->second == button) of->second.erase(it);
  }
  auto uses = indexes.idUses.find(button->commandId);
  if (uses != indexes.idUses.end() && --uses->second <= 0) indexes.idUses.erase(uses);
  if (button->gadget) {
    auto gadget = indexes.gadgets.find(button->gadget);
    if (gadget != indexes.gadgets.end()) {
      auto& list = gadget->second;
      for (auto it = list.begin(); it != list.end(); ++it)
        if (*it == button) {
          list.erase(it);
          break;
        }
      if (list.empty()) indexes.gadgets.erase(gadget);
    }
  }
  ToolBarExButtonList().Remove(button);
}

ToolBarExToolTipRecord* FindToolBarExToolTip(int32_t id) {
  const auto& tips = Indexes().tipTexts;
  auto it = tips.find(id);
  return it == tips.end() ? nullptr : it->second;
}

void SetToolBarExToolTipText(int32_t id, const wchar_t* text) {
  if (ToolBarExToolTipRecord* tip = FindToolBarExToolTip(id)) {
    tip->text = text ? text : L"";
    return;
  }
  auto tip = std::make_unique<ToolBarExToolTipRecord>();
  tip->commandId = id;
  tip->text = text ? text : L"";
  Indexes().tipTexts[id] = ToolBarExToolTipList().Append(std::move(tip));
}

void DeleteToolBarExToolTip(int32_t id) {
  auto& tips = Indexes().tipTexts;
  auto it = tips.find(id);
  if (it == tips.end()) return;
  ToolBarExToolTipRecord* tip = it->second;
  tips.erase(it);
  ToolBarExToolTipList().Remove(tip);
}

}  // namespace kelvra
