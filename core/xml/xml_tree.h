// The XML tree over expat: an element holds its name, its attributes in document
// order, its text and its child elements. One reader and one writer serve every
// XML file of the library: skin files (root "Skin") and rebar layout files (root
// "Layout" with "Band" elements). Pure code: no <windows.h>.
//
//   auto read = kelvra::xml::ReadDocument(bytes);      // bytes as the file holds them
//   if (!read.ok()) ...                                  // read.error says why
//   const std::wstring* id = read.root.FindAttribute(L"id");
//
//   kelvra::xml::Element root(L"Layout");
//   auto& band = root.AddChild(L"Band");
//   band.SetAttribute(L"ID", L"7");                      // written in insertion order
//   std::optional<std::string> file = kelvra::xml::WriteDocument(root);  // UTF-8
//
// Files come from anywhere, so the reader refuses a DOCTYPE (no entity of any
// kind is ever expanded or fetched) and holds every document to the limits below;
// the writer fails rather than write what the reader would refuse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::xml {

// Limits of one document. Sizes are UTF-8 bytes of the text as read (after
// character references are resolved).
inline constexpr std::size_t kMaxDocumentBytes = std::size_t{16} << 20;  // the file itself
inline constexpr int kMaxDepth = 64;                                     // levels, the root being 1
inline constexpr std::size_t kMaxElements = 262144;
inline constexpr std::size_t kMaxItemBytes = std::size_t{1} << 20;  // any one name, attribute value or text

struct Attribute {
  std::wstring name;
  std::wstring value;

  friend bool operator==(const Attribute&, const Attribute&) = default;
};

struct Element {
  Element() = default;
  explicit Element(std::wstring elementName) : name(std::move(elementName)) {}

  std::wstring name;
  std::vector<Attribute> attributes;  // in document (or insertion) order
  // The character data directly inside this element, its pieces joined. Blanks
  // that only indent child elements are not text: an element with children
  // whose text is nothing but white space reads with an empty text.
  std::wstring text;
  std::vector<Element> children;

  // The value of the attribute named exactly `attributeName`; nullptr when absent.
  const std::wstring* FindAttribute(std::wstring_view attributeName) const;
  // Replaces the value of an attribute of that name, else appends one.
  void SetAttribute(std::wstring_view attributeName, std::wstring value);
  // Appends a child element and returns it (references to earlier children may move).
  Element& AddChild(std::wstring childName);

  friend bool operator==(const Element&, const Element&) = default;
};

enum class ReadError : uint8_t {
  None,
  Malformed,        // not well-formed, truncated, no root, or an encoding expat does not know
  Doctype,          // a document type declaration (refused before any declaration in it is read)
  DocumentTooLarge,  // more than kMaxDocumentBytes
  TooDeep,          // more than kMaxDepth levels
  TooManyElements,  // more than kMaxElements
  ItemTooLong,      // a name, attribute value or text over kMaxItemBytes
  OutOfMemory,
};

struct ReadResult {
  Element root;  // empty unless ok()
  ReadError error = ReadError::None;
  bool ok() const { return error == ReadError::None; }
};

// Parses a whole document: UTF-8 by default, or what its byte order mark or XML
// declaration names among expat's own encodings (UTF-16, ISO-8859-1, US-ASCII).
ReadResult ReadDocument(std::span<const uint8_t> bytes);
inline ReadResult ReadDocument(std::string_view bytes) {
  return ReadDocument(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

// The document in UTF-8 with its XML declaration, indented by 3 blanks a level;
// an element that holds text is written on one line with nothing added inside
// it. Attributes keep their order; TAB, CR and LF in attribute values (and CR in
// text) are written as character references, so they read back as they were.
// Nothing when the tree cannot be written so that it reads back the same: a
// name other than ASCII letters, digits, "_", "-" and "." (not starting with a
// digit, "-" or "."), two attributes of one name, a character XML 1.0 cannot
// carry (control characters, lone surrogates, U+FFFE, U+FFFF), or a tree or
// result past the limits above.
std::optional<std::string> WriteDocument(const Element& root);

}  // namespace kelvra::xml
