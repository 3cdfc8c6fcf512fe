// Writing the tree: UTF-8 with its declaration, 3 blanks of indent a level. Each
// check mirrors one the reader makes, so whatever is written reads back as the
// same tree.
#include <new>
#include <unordered_set>

#include "core/xml/xml_text.h"
#include "core/xml/xml_tree.h"

namespace kelvra::xml {

namespace {

constexpr int kIndent = 3;

constexpr bool IsNameStart(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; }
constexpr bool IsNameChar(wchar_t c) { return IsNameStart(c) || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.'; }

bool IsWritableName(std::wstring_view name) {
  if (name.empty() || name.size() > kMaxItemBytes || !IsNameStart(name[0])) return false;
  for (wchar_t c : name)
    if (!IsNameChar(c)) return false;
  return true;
}

bool IsSpaceOnly(std::wstring_view text) {
  for (wchar_t c : text)
    if (c != L' ' && c != L'\t' && c != L'\n' && c != L'\r') return false;
  return true;
}

class DocumentWriter {
 public:
  bool Write(const Element& root) {
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    if (!WriteElement(root, 1, false)) return false;
    out_.push_back('\n');
    return out_.size() <= kMaxDocumentBytes;
  }
  std::string Take() { return std::move(out_); }

 private:
  void NewLine(int depth) {
    out_.push_back('\n');
    out_.append(static_cast<std::size_t>(kIndent * (depth - 1)), ' ');
  }

  // Escapes as it encodes; false for a character XML cannot carry or an item
  // past the reader's limit (counted as the reader counts: unescaped UTF-8).
  bool WriteEscaped(std::wstring_view text, bool attribute) {
    const std::size_t start = out_.size();
    std::size_t itemBytes = 0;
    bool good = true;
    const bool wellFormed = ForEachCodePoint(text, [&](char32_t c) {
      if (!IsXmlChar(c)) {
        good = false;
        return;
      }
      switch (c) {
        case U'&': out_ += "&amp;"; break;
        case U'<': out_ += "&lt;"; break;
        case U'>': out_ += "&gt;"; break;
        // Parsers turn a literal CR (and in attributes TAB and LF) into something
        // else; references come back as written.
        case U'\r': out_ += "&#13;"; break;
        case U'"':
          if (attribute) out_ += "&quot;"; else out_.push_back('"');
          break;
        case U'\t':
          if (attribute) out_ += "&#9;"; else out_.push_back('\t');
          break;
        case U'\n':
          if (attribute) out_ += "&#10;"; else out_.push_back('\n');
          break;
        default: AppendCodePointAsUtf8(out_, c); break;
      }
      // The unescaped size: a reference stands for one byte.
      itemBytes += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    });
    if (!wellFormed || !good || itemBytes > kMaxItemBytes) {
      out_.resize(start);
      return false;
    }
    return true;
  }

  bool WriteAttributes(const Element& element) {
    std::unordered_set<std::wstring_view> seen;
    for (const auto& attribute : element.attributes) {
      if (!IsWritableName(attribute.name)) return false;
      // Duplicates make a document no reader accepts.
      if (element.attributes.size() > 1 && !seen.insert(attribute.name).second) return false;
      out_.push_back(' ');
      AppendAscii(attribute.name);
      out_ += "=\"";
      if (!WriteEscaped(attribute.value, true)) return false;
      out_.push_back('"');
    }
    return true;
  }

  void AppendAscii(std::wstring_view name) {
    for (wchar_t c : name) out_.push_back(static_cast<char>(c));
  }

  // `compact`: inside an element that holds text, where any blank added would
  // become part of that text.
  bool WriteElement(const Element& element, int depth, bool compact) {
    if (depth > kMaxDepth || ++elements_ > kMaxElements || !IsWritableName(element.name)) return false;
    out_.push_back('<');
    AppendAscii(element.name);
    if (!WriteAttributes(element)) return false;
    // White space beside child elements is indentation to a reader: it is not
    // written, as it would not be read.
    const bool hasText = !element.text.empty() && (element.children.empty() || !IsSpaceOnly(element.text));
    if (!hasText && element.children.empty()) {
      out_ += "/>";
      return true;
    }
    out_.push_back('>');
    if (hasText && !WriteEscaped(element.text, false)) return false;
    const bool indent = !compact && !hasText;
    for (const auto& child : element.children) {
      if (indent) NewLine(depth + 1);
      if (!WriteElement(child, depth + 1, compact || hasText)) return false;
      if (out_.size() > kMaxDocumentBytes) return false;
    }
    if (indent) NewLine(depth);
    out_ += "</";
    AppendAscii(element.name);
    out_.push_back('>');
    return true;
  }

  std::string out_;
  std::size_t elements_ = 0;
};

}  // namespace

std::optional<std::string> WriteDocument(const Element& root) {
  try {
    DocumentWriter writer;
    if (!writer.Write(root)) return std::nullopt;
    return writer.Take();
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace kelvra::xml
