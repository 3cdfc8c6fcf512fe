// The property tree of one skin, and its flat index of property paths.
#include "skin/records/skin_tree.h"

#include "skin/records/lookup_key.h"
#include "skin/values/skin_text.h"

namespace kelvra {

namespace {

template <class Text>
void AppendFolded(Text& out, std::wstring_view text) {
  for (const wchar_t c : text) out.push_back(LowerCaseChar(c));
}

// Splits "word : theme : rest" into its trimmed word and theme.
void SplitThemed(std::wstring_view component, std::size_t colon, std::wstring_view& word, std::wstring_view& theme) {
  word = TrimBlanks(component.substr(0, colon));
  theme = component.substr(colon + 1);
  theme = TrimBlanks(theme.substr(0, theme.find(L':')));
}

// The key of (component, state, property), folding every name as it goes.
void BuildFoldedKey(LookupKey& key, std::wstring_view componentWord, std::wstring_view theme,
                    std::wstring_view state, std::wstring_view property, bool themed) {
  key.clear();
  AppendFolded(key, componentWord);
  if (themed) {
    key.push_back(L':');
    AppendFolded(key, theme);
  }
  key.push_back(L'\0');
  AppendFolded(key, state);
  key.push_back(L'\0');
  AppendFolded(key, property);
}

SkinPropertyRecord* Probe(const SkinRecord& skin, std::wstring_view key) {
  auto it = skin.propertyIndex.find(key);
  return it == skin.propertyIndex.end() ? nullptr : it->second;
}

// The themed rule: a component that names its theme ("explorerbar:silver") is
// tried as named, any other with `themeWord`; then the bare word. Names are
// folded into a key on the stack, so a read allocates nothing.
struct ThemedProbe {
  std::wstring_view word, theme;
  bool themed;  // found under "word:theme"
  SkinPropertyRecord* property;
};

ThemedProbe ProbeThemed(const SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                        std::wstring_view property, std::wstring_view themeWord) {
  ThemedProbe probe{TrimBlanks(component), themeWord, false, nullptr};
  if (const auto colon = component.find(L':'); colon != std::wstring_view::npos)
    SplitThemed(component, colon, probe.word, probe.theme);
  LookupKey key;
  BuildFoldedKey(key, probe.word, probe.theme, state, property, true);
  if ((probe.property = Probe(skin, key.view()))) {
    probe.themed = true;
    return probe;
  }
  BuildFoldedKey(key, probe.word, probe.theme, state, property, false);
  probe.property = Probe(skin, key.view());
  return probe;
}

}  // namespace

SkinRecord::SkinRecord(const SkinRecord& other)
    : name(other.name),
      author(other.author),
      date(other.date),
      version(other.version),
      url(other.url),
      components(other.components),
      SkinAutoUpdate(other.SkinAutoUpdate),
      loadedFiles(other.loadedFiles),
      fileOrigin(other.fileOrigin),
      fileOriginIsPack(other.fileOriginIsPack) {
  propertyIndex.reserve(other.propertyIndex.size());
  std::wstring key;
  for (const auto& component : components)
    for (const auto& state : component->states)
      for (const auto& property : state->properties) {
        key.clear();
        AppendSkinPropertyPath(key, component->name, state->name, property->name);
        propertyIndex.emplace(key, property.get());
      }
}

std::wstring NormaliseComponentName(std::wstring_view lowerComponent) {
  const auto colon = lowerComponent.find(L':');
  // Readers trim the component they are asked for, so a setter that kept the
  // blanks would store a property no reader ever finds.
  if (colon == std::wstring_view::npos) return std::wstring(TrimBlanks(lowerComponent));
  std::wstring_view word, theme;
  SplitThemed(lowerComponent, colon, word, theme);
  std::wstring joined(word);
  joined += L':';
  joined += theme;
  return joined;
}

SkinPropertyRecord& FindOrAddSkinProperty(SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                                          std::wstring_view property) {
  LookupKey key;
  AppendSkinPropertyPath(key, component, state, property);
  if (SkinPropertyRecord* found = Probe(skin, key.view())) return *found;
  SkinPropertyRecord& added =
      skin.components.FindOrAdd(component).states.FindOrAdd(state).properties.FindOrAdd(property);
  skin.propertyIndex.emplace(std::wstring(key.view()), &added);
  return added;
}

SkinPropertyRecord* SelectSkinProperty(const SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                                       std::wstring_view property) {
  LookupKey key;
  AppendSkinPropertyPath(key, component, state, property);
  return Probe(skin, key.view());
}

ResolvedSkinProperty ResolveThemedComponent(const SkinRecord& skin, std::wstring_view component,
                                            std::wstring_view state, std::wstring_view property,
                                            std::wstring_view themeWord) {
  const ThemedProbe probe = ProbeThemed(skin, component, state, property, themeWord);
  std::wstring name;
  AppendFolded(name, probe.word);
  if (probe.themed) {
    name.push_back(L':');
    AppendFolded(name, probe.theme);
  }
  return {std::move(name), probe.property};
}

SkinPropertyRecord* ReadSkinProperty(const SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                                     std::wstring_view property, std::wstring_view themeWord) {
  return ProbeThemed(skin, component, state, property, themeWord).property;
}

}  // namespace kelvra
