// The explorer bar list, its body index and the current bar and group.
#include "panels/explorer_bar/explorer_bar_registry.h"

#include <unordered_map>

namespace kelvra {

namespace {

std::unordered_map<HWND, ExplorerBarGroupPlace>& BodyIndex() {
  static std::unordered_map<HWND, ExplorerBarGroupPlace> index;
  return index;
}

}  // namespace

ControlList<ExplorerBarRecord>& ExplorerBarList() {
  static ControlList<ExplorerBarRecord> list;
  return list;
}

ExplorerBarFamilyState& ExplorerBarFamily() {
  static ExplorerBarFamilyState state;
  return state;
}

ExplorerBarRecord* FindExplorerBar(intptr_t key) { return ExplorerBarList().Find(key); }

ExplorerBarRecord* FindExplorerBarByNumber(int32_t number) { return ExplorerBarList().FindByNumber(number); }

ExplorerBarRecord* FindExplorerBarByWindow(HWND window) {
  return window ? ExplorerBarList().FindByWindow(window) : nullptr;
}

ExplorerBarGroupPlace FindExplorerBarGroupByBody(HWND body) {
  if (!body) return {};
  const auto& index = BodyIndex();
  auto it = index.find(body);
  return it == index.end() ? ExplorerBarGroupPlace{} : it->second;
}

ExplorerBarRecord* EnterExplorerBar(std::unique_ptr<ExplorerBarRecord> bar) {
  ExplorerBarRecord* entered = ExplorerBarList().Append(std::move(bar));
  ExplorerBarFamilyState& family = ExplorerBarFamily();
  family.currentBar = entered;
  family.currentGroup = nullptr;
  return entered;
}

ExplorerBarGroupRecord* EnterExplorerBarGroup(ExplorerBarRecord& bar, std::unique_ptr<ExplorerBarGroupRecord> group) {
  ExplorerBarGroupRecord* entered = bar.groups.Append(std::move(group));
  if (!entered) return nullptr;
  if (entered->body) BodyIndex()[entered->body] = ExplorerBarGroupPlace{&bar, entered};
  ExplorerBarFamilyState& family = ExplorerBarFamily();
  if (family.currentBar == &bar) family.currentGroup = entered;
  return entered;
}

void DeleteExplorerBar(ExplorerBarRecord* bar) {
  if (!bar || !ExplorerBarList().Contains(bar)) return;
  auto& index = BodyIndex();
  for (const ExplorerBarGroupRecord& group : bar->groups) {
    auto it = index.find(group.body);
    if (it != index.end() && it->second.group == &group) index.erase(it);
  }
  ExplorerBarFamilyState& family = ExplorerBarFamily();
  if (family.currentBar == bar) {
    family.currentBar = nullptr;
    family.currentGroup = nullptr;
  }
  ExplorerBarList().Remove(bar);
}

ExplorerBarRecord* CurrentExplorerBar() {
  ExplorerBarFamilyState& family = ExplorerBarFamily();
  if (family.currentBar && !ExplorerBarList().Contains(family.currentBar)) family.currentBar = nullptr;
  return family.currentBar;
}

ExplorerBarGroupRecord* CurrentExplorerBarGroup() {
  ExplorerBarRecord* bar = CurrentExplorerBar();
  ExplorerBarFamilyState& family = ExplorerBarFamily();
  if (!bar || (family.currentGroup && !bar->groups.Contains(family.currentGroup))) family.currentGroup = nullptr;
  return family.currentGroup;
}

}  // namespace kelvra
