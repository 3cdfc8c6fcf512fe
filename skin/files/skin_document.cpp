// Reading the skin document from the XML tree and writing its tree.
#include "skin/files/skin_document.h"

#include <algorithm>

#include "skin/values/skin_text.h"

namespace kelvra {

namespace {

// Folds as it compares: a large skin has hundreds of thousands of elements.
bool NameIs(const xml::Element& element, std::wstring_view lowerName) {
  return EqualsCaseBlind(element.name, lowerName);
}

std::wstring IdOf(const xml::Element& element) {
  const std::wstring* id = element.FindAttribute(L"id");
  return id ? *id : std::wstring();
}
// The same, taken out of a tree that is read only once.
std::wstring IdOf(xml::Element& element) {
  for (auto& attribute : element.attributes)
    if (attribute.name == L"id") return std::move(attribute.value);
  return std::wstring();
}

std::wstring TextOf(const xml::Element& element) { return element.text; }
std::wstring TextOf(xml::Element& element) { return std::move(element.text); }

// A property's text as one line: a value written across lines by hand reads as
// if written on one. Done in place.
void CleanValue(std::wstring& text) {
  std::size_t kept = 0;
  for (wchar_t c : text)
    if (c != L'\r' && c != L'\n' && c != L'\t') text[kept++] = c;
  text.resize(kept);
  const std::wstring_view trimmed = TrimBlanks(text);
  const auto first = static_cast<std::size_t>(trimmed.data() - text.data());
  text.erase(first + trimmed.size());
  text.erase(0, first);
}

// `Root` is const for a tree that stays, non-const for one whose strings move
// into the document.
template <class Root>
SkinDocument ReadDocumentOf(Root& root) {
  SkinDocument document;
  if (!NameIs(root, L"skin")) {
    document.status = SkinDocumentStatus::NotASkin;
    return document;
  }
  auto& children = root.children;
  // Sized once: a large skin's properties would otherwise be moved at every
  // growth of the vector.
  std::size_t count = 0;
  for (const auto& component : children)
    for (const auto& state : component.children) count += state.children.size();
  document.properties.reserve(count);
  auto at = children.begin();
  for (; at != children.end() && !NameIs(*at, L"component"); ++at)
    if (NameIs(*at, L"name")) document.name = IdOf(*at);
  for (; at != children.end(); ++at) {
    if (!NameIs(*at, L"component")) {
      document.status = SkinDocumentStatus::UnexpectedElement;
      return document;
    }
    const std::wstring component = IdOf(*at);
    for (auto& state : at->children) {
      if (!NameIs(state, L"state")) {
        document.status = SkinDocumentStatus::UnexpectedElement;
        return document;
      }
      const std::wstring stateName = IdOf(state);
      for (auto& property : state.children) {
        if (!NameIs(property, L"property") || !property.children.empty()) {
          document.status = SkinDocumentStatus::UnexpectedElement;
          return document;
        }
        SkinDocumentProperty& added = document.properties.emplace_back();
        added.component = component;
        added.state = stateName;
        added.property = IdOf(property);
        added.value = TextOf(property);
        CleanValue(added.value);
      }
    }
  }
  return document;
}

}  // namespace

SkinDocument ReadSkinDocument(const xml::Element& root) { return ReadDocumentOf(root); }
SkinDocument ReadSkinDocument(xml::Element&& root) { return ReadDocumentOf(root); }

xml::Element SkinDocumentTree(const SkinDocumentHeader& header, const std::vector<SkinDocumentProperty>& properties) {
  xml::Element root(L"Skin");
  root.AddChild(L"Name").SetAttribute(L"id", header.name);
  const std::pair<const wchar_t*, const std::wstring*> optional[] = {
      {L"Author", &header.author}, {L"Date", &header.date}, {L"Version", &header.version}, {L"URL", &header.url}};
  for (const auto& [element, text] : optional)
    if (!text->empty()) root.AddChild(element).SetAttribute(L"id", *text);

  xml::Element* component = nullptr;
  xml::Element* state = nullptr;
  for (const auto& property : properties) {
    // AddChild may move earlier siblings, never the last one: the pointers
    // always name the last child of their parent.
    if (!component || *component->FindAttribute(L"id") != property.component) {
      component = &root.AddChild(L"Component");
      component->SetAttribute(L"id", property.component);
      state = nullptr;
    }
    if (!state || *state->FindAttribute(L"id") != property.state) {
      state = &component->AddChild(L"State");
      state->SetAttribute(L"id", property.state);
    }
    xml::Element& element = state->AddChild(L"Property");
    element.SetAttribute(L"id", property.property);
    element.text = property.value;
  }
  return root;
}

std::vector<SkinDocumentProperty> SkinDocumentProperties(const SkinRecord& skin) {
  std::vector<SkinDocumentProperty> properties;
  for (const auto& component : skin.components)
    for (const auto& state : component->states)
      for (const auto& property : state->properties)
        properties.push_back({component->name, state->name, property->name, property->value});
  return properties;
}

}  // namespace kelvra
