// Reading the skin document from the XML tree and writing its tree.
#include "skin/files/skin_document.h"

#include <algorithm>

#include "skin/values/skin_text.h"

namespace kelvra {

namespace {

bool NameIs(const xml::Element& element, std::wstring_view lowerName) {
  return element.name.size() == lowerName.size() && LowerCaseText(element.name) == lowerName;
}

std::wstring IdOf(const xml::Element& element) {
  const std::wstring* id = element.FindAttribute(L"id");
  return id ? *id : std::wstring();
}

// A property's text as one line: a value written across lines by hand reads as
// if written on one.
std::wstring CleanValue(std::wstring_view text) {
  std::wstring value;
  value.reserve(text.size());
  for (wchar_t c : text)
    if (c != L'\r' && c != L'\n' && c != L'\t') value.push_back(c);
  return std::wstring(TrimBlanks(value));
}

}  // namespace

SkinDocument ReadSkinDocument(const xml::Element& root) {
  SkinDocument document;
  if (!NameIs(root, L"skin")) {
    document.status = SkinDocumentStatus::NotASkin;
    return document;
  }
  const auto& children = root.children;
  auto at = children.begin();
  for (; at != children.end() && !NameIs(*at, L"component"); ++at)
    if (NameIs(*at, L"name")) document.name = IdOf(*at);
  for (; at != children.end(); ++at) {
    if (!NameIs(*at, L"component")) {
      document.status = SkinDocumentStatus::UnexpectedElement;
      return document;
    }
    const std::wstring component = IdOf(*at);
    for (const auto& state : at->children) {
      if (!NameIs(state, L"state")) {
        document.status = SkinDocumentStatus::UnexpectedElement;
        return document;
      }
      const std::wstring stateName = IdOf(state);
      for (const auto& property : state.children) {
        if (!NameIs(property, L"property") || !property.children.empty()) {
          document.status = SkinDocumentStatus::UnexpectedElement;
          return document;
        }
        document.properties.push_back({component, stateName, IdOf(property), CleanValue(property.text)});
      }
    }
  }
  return document;
}

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
