// Reading a document into the tree: expat's handlers build the open elements on
// a stack and hand each finished one to its parent. Every limit is checked in
// the handler that first sees the item, and a breach stops the parser at once.
#include <expat.h>

#include <cstring>
#include <iterator>
#include <new>
#include <utility>

#include "core/xml/xml_text.h"
#include "core/xml/xml_tree.h"

namespace kelvra::xml {

const std::wstring* Element::FindAttribute(std::wstring_view attributeName) const {
  for (const auto& attribute : attributes)
    if (attribute.name == attributeName) return &attribute.value;
  return nullptr;
}

void Element::SetAttribute(std::wstring_view attributeName, std::wstring value) {
  for (auto& attribute : attributes)
    if (attribute.name == attributeName) {
      attribute.value = std::move(value);
      return;
    }
  attributes.push_back({std::wstring(attributeName), std::move(value)});
}

Element& Element::AddChild(std::wstring childName) { return children.emplace_back(std::move(childName)); }

namespace {

constexpr bool IsXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

bool OnlySpace(std::string_view utf8) {
  for (char c : utf8)
    if (!IsXmlSpace(static_cast<wchar_t>(static_cast<unsigned char>(c)))) return false;
  return true;
}

struct OpenElement {
  Element element;
  std::size_t textBytes = 0;
  bool textIsSpace = true;  // nothing but white space so far (held in the level's buffer)
};

class TreeBuilder {
 public:
  explicit TreeBuilder(XML_Parser parser) : parser_(parser) {}

  ReadError error() const { return error_; }
  bool HasRoot() const { return hasRoot_; }
  Element TakeRoot() { return std::move(root_); }

  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    static_cast<TreeBuilder*>(self)->Guarded([&](TreeBuilder& b) { b.Start(name, attributes); });
  }
  static void XMLCALL OnEnd(void* self, const XML_Char*) {
    static_cast<TreeBuilder*>(self)->Guarded([](TreeBuilder& b) { b.End(); });
  }
  static void XMLCALL OnText(void* self, const XML_Char* text, int length) {
    static_cast<TreeBuilder*>(self)->Guarded([&](TreeBuilder& b) { b.Text(text, length); });
  }
  // Called for "<!DOCTYPE name", before anything of its internal subset or
  // external identifier is processed: no entity can be declared, let alone
  // expanded (our expat is built with DTD support).
  static void XMLCALL OnDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    static_cast<TreeBuilder*>(self)->Fail(ReadError::Doctype);
  }

 private:
  template <class Step>
  void Guarded(Step&& step) {
    if (error_ != ReadError::None) return;  // expat may still call after a stop
    try {
      step(*this);
    } catch (const std::bad_alloc&) {
      Fail(ReadError::OutOfMemory);
    } catch (...) {
      Fail(ReadError::Malformed);
    }
  }

  void Fail(ReadError error) {
    if (error_ != ReadError::None) return;
    error_ = error;
    XML_StopParser(parser_, XML_FALSE);
  }

  bool AppendItem(std::wstring& out, const char* utf8) {
    const std::size_t length = std::strlen(utf8);
    if (length > kMaxItemBytes) {
      Fail(ReadError::ItemTooLong);
      return false;
    }
    AppendUtf8AsWide(out, std::string_view(utf8, length));
    return true;
  }

  void Start(const XML_Char* name, const XML_Char** attributes) {
    if (stack_.size() >= static_cast<std::size_t>(kMaxDepth)) return Fail(ReadError::TooDeep);
    if (++elements_ > kMaxElements) return Fail(ReadError::TooManyElements);
    OpenElement& open = stack_.emplace_back();
    SpaceOf(stack_.size()).clear();
    ChildrenOf(stack_.size()).clear();
    if (!AppendItem(open.element.name, name)) return;
    std::size_t count = 0;
    for (const XML_Char** at = attributes; at[0]; at += 2) ++count;
    open.element.attributes.reserve(count);
    for (const XML_Char** at = attributes; at[0]; at += 2) {
      Attribute& attribute = open.element.attributes.emplace_back();
      if (!AppendItem(attribute.name, at[0]) || !AppendItem(attribute.value, at[1])) return;
    }
  }

  void Text(const XML_Char* text, int length) {
    if (stack_.empty() || length <= 0) return;
    OpenElement& open = stack_.back();
    const std::string_view piece(text, static_cast<std::size_t>(length));
    open.textBytes += piece.size();
    if (open.textIsSpace && !OnlySpace(piece)) open.textIsSpace = false;
    // White space may yet be dropped as indentation; real text over the limit
    // fails now, before more of it is gathered.
    if (open.textBytes > kMaxItemBytes && !open.textIsSpace) return Fail(ReadError::ItemTooLong);
    std::wstring& space = SpaceOf(stack_.size());
    if (open.textIsSpace) {
      // Indentation, most likely: kept aside in a buffer each level reuses, so
      // it costs no allocation of its own.
      AppendUtf8AsWide(space, piece);
      return;
    }
    if (!space.empty()) {
      open.element.text.insert(0, space);
      space.clear();
    }
    AppendUtf8AsWide(open.element.text, piece);
  }

  std::wstring& SpaceOf(std::size_t depth) {
    if (spaces_.size() < depth) spaces_.resize(depth);
    return spaces_[depth - 1];
  }

  // The children of the open element at `depth` (1 for the root), gathered in
  // a vector each level reuses and moved into one of their exact size when the
  // element ends: no growth of every element's own vector, one allocation each.
  std::vector<Element>& ChildrenOf(std::size_t depth) {
    if (children_.size() < depth) children_.resize(depth);
    return children_[depth - 1];
  }

  void End() {
    if (stack_.empty()) return;
    const std::size_t depth = stack_.size();
    std::wstring& space = SpaceOf(depth);
    std::vector<Element>& children = ChildrenOf(depth);
    OpenElement open = std::move(stack_.back());
    stack_.pop_back();
    Element& element = open.element;
    if (open.textBytes > kMaxItemBytes && !(open.textIsSpace && !children.empty()))
      return Fail(ReadError::ItemTooLong);
    // White space beside children is indentation; alone, it is the text.
    if (open.textIsSpace && children.empty()) element.text = space;
    space.clear();
    element.children.reserve(children.size());
    std::move(children.begin(), children.end(), std::back_inserter(element.children));
    children.clear();
    if (stack_.empty()) {
      root_ = std::move(element);
      hasRoot_ = true;
    } else {
      ChildrenOf(depth - 1).push_back(std::move(element));
    }
  }

  XML_Parser parser_;
  std::vector<OpenElement> stack_;
  std::vector<std::wstring> spaces_;  // per level: white space not yet known to be text
  std::vector<std::vector<Element>> children_;  // per level: the open element's children so far
  Element root_;
  bool hasRoot_ = false;
  std::size_t elements_ = 0;
  ReadError error_ = ReadError::None;
};

struct ParserOwner {
  XML_Parser parser = XML_ParserCreate(nullptr);
  ~ParserOwner() {
    if (parser) XML_ParserFree(parser);
  }
};

}  // namespace

ReadResult ReadDocument(std::span<const uint8_t> bytes) {
  ReadResult result;
  if (bytes.size() > kMaxDocumentBytes) {
    result.error = ReadError::DocumentTooLarge;
    return result;
  }
  try {
    ParserOwner owner;
    if (!owner.parser) {
      result.error = ReadError::OutOfMemory;
      return result;
    }
    TreeBuilder builder(owner.parser);
    XML_SetUserData(owner.parser, &builder);
    XML_SetElementHandler(owner.parser, &TreeBuilder::OnStart, &TreeBuilder::OnEnd);
    XML_SetCharacterDataHandler(owner.parser, &TreeBuilder::OnText);
    XML_SetStartDoctypeDeclHandler(owner.parser, &TreeBuilder::OnDoctype);
    // Never read external entities, whatever else changes.
    XML_SetParamEntityParsing(owner.parser, XML_PARAM_ENTITY_PARSING_NEVER);
    const auto status = XML_Parse(owner.parser, reinterpret_cast<const char*>(bytes.data()),
                                  static_cast<int>(bytes.size()), XML_TRUE);
    if (builder.error() != ReadError::None) {
      result.error = builder.error();
    } else if (status != XML_STATUS_OK || !builder.HasRoot()) {
      result.error = ReadError::Malformed;
    } else {
      result.root = builder.TakeRoot();
    }
  } catch (const std::bad_alloc&) {
    result.root = Element();
    result.error = ReadError::OutOfMemory;
  }
  return result;
}

}  // namespace kelvra::xml
