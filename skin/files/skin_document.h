// The skin document: what a skin file says (its name, and each property as
// component, state, property and value in file order), read from the XML tree
// and written back to it. The Win32 layer turns it into a skin with CreateSkin
// and SetSkinProperty. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/xml/xml_tree.h"
#include "skin/records/skin_record.h"

namespace kelvra {

struct SkinDocumentProperty {
  std::wstring component, state, property, value;

  friend bool operator==(const SkinDocumentProperty&, const SkinDocumentProperty&) = default;
};

enum class SkinDocumentStatus : uint8_t {
  Ok,
  NotASkin,           // the root is not "Skin" (LoadSkin: 0)
  UnexpectedElement,  // another element where a component, state or property stands (LoadSkin: -1)
};

struct SkinDocument {
  std::wstring name;  // from "Name"'s "id"
  // In file order. With UnexpectedElement, the properties before the element
  // that ended the read: the loader sets those first, as a skin file is read
  // from the top, so a value naming a missing file before it still decides.
  std::vector<SkinDocumentProperty> properties;
  SkinDocumentStatus status = SkinDocumentStatus::Ok;

  friend bool operator==(const SkinDocument&, const SkinDocument&) = default;
};

// Element names are compared lower-cased ("skin", "name", "author", "date",
// "version", "url", "component", "state", "property"); the attribute "id" is
// matched exactly, and a missing one reads as "". A value has every CR, LF and
// TAB removed and blanks trimmed at both ends. Header elements before the first
// "component" other than "name" are skipped; a component, state or empty level
// without children adds nothing.
SkinDocument ReadSkinDocument(const xml::Element& root);
// The same, moving the tree's strings into the document.
SkinDocument ReadSkinDocument(xml::Element&& root);

// The "Skin" tree of a document: "Name" (id = name), then "Author", "Date",
// "Version" and "URL" when not empty, then one "Component" per run of
// properties of one component, one "State" per run of one state within it.
struct SkinDocumentHeader {
  std::wstring name, author, date, version, url;
};
xml::Element SkinDocumentTree(const SkinDocumentHeader& header, const std::vector<SkinDocumentProperty>& properties);

// Every property of a skin in its tree's order, values as stored.
std::vector<SkinDocumentProperty> SkinDocumentProperties(const SkinRecord& skin);

}  // namespace kelvra
