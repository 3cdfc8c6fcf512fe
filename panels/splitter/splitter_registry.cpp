// The splitter list and its indexes by page window.
#include "panels/splitter/splitter_registry.h"

#include <unordered_map>

namespace kelvra {

namespace {

using PageIndex = std::unordered_map<HWND, SplitterExRecord*>;

PageIndex& ContainerPages() {
  static PageIndex index;
  return index;
}

PageIndex& BarPages() {
  static PageIndex index;
  return index;
}

SplitterExRecord* Lookup(const PageIndex& index, HWND page) {
  if (!page) return nullptr;
  auto it = index.find(page);
  return it == index.end() ? nullptr : it->second;
}

void Unindex(PageIndex& index, HWND page, const SplitterExRecord* splitter) {
  auto it = index.find(page);
  if (it != index.end() && it->second == splitter) index.erase(it);
}

}  // namespace

ControlList<SplitterExRecord>& SplitterExList() {
  static ControlList<SplitterExRecord> list;
  return list;
}

SplitterExFamilyState& SplitterExFamily() {
  static SplitterExFamilyState state;
  return state;
}

SplitterExRecord* FindSplitterEx(intptr_t key) { return SplitterExList().Find(key); }

SplitterExRecord* FindSplitterExByNumber(int32_t number) { return SplitterExList().FindByNumber(number); }

SplitterExRecord* FindSplitterExByContainerPage(HWND page) { return Lookup(ContainerPages(), page); }

SplitterExRecord* FindSplitterExByBarPage(HWND page) { return Lookup(BarPages(), page); }

SplitterExRecord* EnterSplitterEx(std::unique_ptr<SplitterExRecord> splitter) {
  if (!splitter) return nullptr;
  const HWND containerPage = splitter->containerPage;
  const HWND barPage = splitter->barPage;
  SplitterExRecord* entered = SplitterExList().Append(std::move(splitter));
  if (!entered) return nullptr;
  if (containerPage) ContainerPages()[containerPage] = entered;
  if (barPage) BarPages()[barPage] = entered;
  return entered;
}

void DeleteSplitterEx(SplitterExRecord* splitter) {
  if (!splitter || !SplitterExList().Contains(splitter)) return;
  Unindex(ContainerPages(), splitter->containerPage, splitter);
  Unindex(BarPages(), splitter->barPage, splitter);
  SplitterExList().Remove(splitter);
}

}  // namespace kelvra
