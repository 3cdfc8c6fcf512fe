// The XML tree: what the reader keeps, what it refuses (hostile documents
// included), and what the writer produces and refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/xml/xml_tree.h"

namespace {

using kelvra::xml::Element;
using kelvra::xml::ReadDocument;
using kelvra::xml::ReadError;
using kelvra::xml::WriteDocument;

std::string Repeat(std::string_view piece, std::size_t count) {
  std::string out;
  out.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += piece;
  return out;
}

std::string Nested(std::size_t levels) { return Repeat("<a>", levels) + Repeat("</a>", levels); }

TEST(XmlTreeRead, KeepsNamesAttributesInOrderAndText) {
  const auto read = ReadDocument(
      "<?xml version=\"1.0\"?>\n"
      "<Skin>\n"
      "   <Name id=\"Glass\" z=\"1\" a=\"2\"/>\n"
      "   <Component id=\"buttonex\">\n"
      "      <Property id=\"text\">  two\n  lines &amp; &lt;more&gt; &#x263A; <![CDATA[<raw>]]></Property>\n"
      "   </Component>\n"
      "</Skin>\n");
  ASSERT_TRUE(read.ok());
  const Element& root = read.root;
  EXPECT_EQ(root.name, L"Skin");
  EXPECT_EQ(root.text, L"");  // indentation only
  ASSERT_EQ(root.children.size(), 2u);
  const Element& name = root.children[0];
  ASSERT_EQ(name.attributes.size(), 3u);
  EXPECT_EQ(name.attributes[0].name, L"id");
  EXPECT_EQ(name.attributes[1].name, L"z");
  EXPECT_EQ(name.attributes[2].name, L"a");
  ASSERT_NE(name.FindAttribute(L"id"), nullptr);
  EXPECT_EQ(*name.FindAttribute(L"id"), L"Glass");
  EXPECT_EQ(name.FindAttribute(L"ID"), nullptr);  // exact names
  const Element& property = root.children[1].children.at(0);
  EXPECT_EQ(property.text, L"  two\n  lines & <more> \u263A <raw>");
}

TEST(XmlTreeRead, MixedTextAndEncodings) {
  // Text beside children is kept when it is more than indentation.
  auto mixed = ReadDocument("<a>x<b/> y </a>");
  ASSERT_TRUE(mixed.ok());
  EXPECT_EQ(mixed.root.text, L"x y ");
  // White space alone in an element without children is its text.
  auto blanks = ReadDocument("<a>   </a>");
  ASSERT_TRUE(blanks.ok());
  EXPECT_EQ(blanks.root.text, L"   ");

  // UTF-16 with its byte order mark, and a declared Latin-1.
  const std::u16string utf16 = u"\uFEFF<r v=\"\u00E9\U0001F600\"/>";
  auto wide = ReadDocument(std::string_view(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2));
  ASSERT_TRUE(wide.ok());
  EXPECT_EQ(wide.root.attributes.at(0).value, L"\u00E9\U0001F600");
  auto latin = ReadDocument("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xE9</r>");
  ASSERT_TRUE(latin.ok());
  EXPECT_EQ(latin.root.text, L"caf\u00E9");
}

TEST(XmlTreeRead, RefusesHostileAndBrokenDocuments) {
  const std::string billionLaughs =
      "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
      "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
      "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">]><lolz>&lol3;</lolz>";
  struct {
    const char* what;
    std::string document;
    ReadError expected;
  } const cases[] = {
      {"empty", "", ReadError::Malformed},
      {"no root", "<?xml version=\"1.0\"?>", ReadError::Malformed},
      {"truncated", "<Skin><Component id=\"a\">", ReadError::Malformed},
      {"mismatched", "<a></b>", ReadError::Malformed},
      {"two roots", "<a/><b/>", ReadError::Malformed},
      {"undefined entity", "<a>&nope;</a>", ReadError::Malformed},
      {"duplicate attribute", "<a x=\"1\" x=\"2\"/>", ReadError::Malformed},
      {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-unheard-of\"?><a/>", ReadError::Malformed},
      {"billion laughs", billionLaughs, ReadError::Doctype},
      {"external entity", "<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a>&x;</a>", ReadError::Doctype},
      {"external subset", "<!DOCTYPE a SYSTEM \"http://example.invalid/a.dtd\"><a/>", ReadError::Doctype},
      {"bare doctype", "<!DOCTYPE a><a/>", ReadError::Doctype},
      {"65 levels", Nested(65), ReadError::TooDeep},
      {"100000 levels", Nested(100000), ReadError::TooDeep},
      {"too many elements", "<a>" + Repeat("<b/>", kelvra::xml::kMaxElements) + "</a>", ReadError::TooManyElements},
      {"10 MB id", "<a id=\"" + std::string(10'000'000, 'x') + "\"/>", ReadError::ItemTooLong},
      {"long name", "<" + std::string(kelvra::xml::kMaxItemBytes + 1, 'n') + "/>", ReadError::ItemTooLong},
      {"long text", "<a>" + std::string(kelvra::xml::kMaxItemBytes + 1, 't') + "</a>", ReadError::ItemTooLong},
      {"long text in pieces", "<a>" + Repeat("t&amp;", kelvra::xml::kMaxItemBytes / 2 + 1) + "</a>",
       ReadError::ItemTooLong},
      {"long blank text", "<a>" + std::string(kelvra::xml::kMaxItemBytes + 1, ' ') + "</a>", ReadError::ItemTooLong},
      {"over 16 MiB", "<a>" + std::string(kelvra::xml::kMaxDocumentBytes, ' ') + "</a>",
       ReadError::DocumentTooLarge},
  };
  for (const auto& c : cases) {
    const auto read = ReadDocument(c.document);
    EXPECT_EQ(read.error, c.expected) << c.what;
    EXPECT_TRUE(read.root.name.empty() && read.root.children.empty()) << c.what;
  }

  // Right at the limits is fine.
  EXPECT_TRUE(ReadDocument(Nested(64)).ok());
  EXPECT_TRUE(ReadDocument("<a>" + Repeat("<b/>", kelvra::xml::kMaxElements - 1) + "</a>").ok());
  EXPECT_TRUE(ReadDocument("<a id=\"" + std::string(kelvra::xml::kMaxItemBytes, 'x') + "\"/>").ok());
  // Indentation around many children is not text, however long it gets.
  EXPECT_TRUE(ReadDocument("<a>" + Repeat("\n" + std::string(60, ' ') + "<b/>", 20000) + "\n</a>").ok());
}

TEST(XmlTreeWrite, IndentsByThreeAndKeepsTextOnOneLine) {
  Element root(L"Layout");
  for (int i = 1; i <= 2; ++i) {
    Element& band = root.AddChild(L"Band");
    band.SetAttribute(L"ID", std::to_wstring(i));
    band.SetAttribute(L"cx", L"120");
    band.SetAttribute(L"fStyle", L"0");
  }
  root.children[0].SetAttribute(L"cx", L"80");  // replaced in place, order kept
  Element& deep = root.AddChild(L"Group").AddChild(L"Item");
  deep.text = L"  spaced text  ";
  const auto written = WriteDocument(root);
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Layout>\n"
            "   <Band ID=\"1\" cx=\"80\" fStyle=\"0\"/>\n"
            "   <Band ID=\"2\" cx=\"120\" fStyle=\"0\"/>\n"
            "   <Group>\n"
            "      <Item>  spaced text  </Item>\n"
            "   </Group>\n"
            "</Layout>\n");
  const auto read = ReadDocument(*written);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.root, root);
}

TEST(XmlTreeWrite, EscapesSoEveryCarriedCharacterReadsBack) {
  Element root(L"r");
  root.SetAttribute(L"v", L"a\tb\rc\nd & <e> \"f\" 'g' \u00E9\U0001F600");
  Element& child = root.AddChild(L"t");
  child.text = L"x\r\ny\tz & <w> ]]> \"q\"";
  Element& mixed = root.AddChild(L"m");
  mixed.text = L"lead";
  mixed.AddChild(L"inner").AddChild(L"leaf").text = L"deep";
  const auto written = WriteDocument(root);
  ASSERT_TRUE(written.has_value());
  EXPECT_NE(written->find("v=\"a&#9;b&#13;c&#10;d &amp; &lt;e&gt; &quot;f&quot; 'g' \xC3\xA9\xF0\x9F\x98\x80\""),
            std::string::npos)
      << *written;
  // Nothing is added inside an element that holds text, children included.
  EXPECT_NE(written->find("<m>lead<inner><leaf>deep</leaf></inner></m>"), std::string::npos) << *written;
  const auto read = ReadDocument(*written);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.root, root);
}

TEST(XmlTreeWrite, FailsOnWhatWouldNotReadBack) {
  const std::wstring loneHigh(1, static_cast<wchar_t>(0xD800));
  const std::wstring loneLow(1, static_cast<wchar_t>(0xDC00));
  struct {
    const char* what;
    std::wstring name, attribute, value, text;
  } const cases[] = {
      {"control character in text", L"a", L"", L"", L"x\x01y"},
      {"NUL in an attribute", L"a", L"v", std::wstring(L"x\0y", 3), L""},
      {"lone high surrogate", L"a", L"", L"", L"x" + loneHigh},
      {"lone low surrogate", L"a", L"v", loneLow + L"x", L""},
      {"U+FFFE", L"a", L"", L"", L"\uFFFE"},
      {"U+FFFF", L"a", L"v", L"\uFFFF", L""},
      {"empty element name", L"", L"", L"", L""},
      {"name with a blank", L"a b", L"", L"", L""},
      {"name starting with a digit", L"1a", L"", L"", L""},
      {"non-ASCII name", L"\u00E9", L"", L"", L""},
      {"name with a colon", L"a:b", L"", L"", L""},
      {"bad attribute name", L"a", L"v=", L"1", L""},
      {"text over the item limit", L"a", L"", L"", std::wstring(kelvra::xml::kMaxItemBytes + 1, L'x')},
      {"value over the item limit", L"a", L"v", std::wstring(kelvra::xml::kMaxItemBytes / 2 + 1, L'\u00E9'), L""},
  };
  for (const auto& c : cases) {
    Element root(c.name);
    if (!c.attribute.empty()) root.SetAttribute(c.attribute, c.value);
    root.text = c.text;
    EXPECT_FALSE(WriteDocument(root).has_value()) << c.what;
  }

  Element duplicate(L"a");
  duplicate.attributes = {{L"x", L"1"}, {L"x", L"2"}};
  EXPECT_FALSE(WriteDocument(duplicate).has_value());

  Element deep(L"a");
  Element* at = &deep;
  for (int i = 1; i < kelvra::xml::kMaxDepth; ++i) at = &at->AddChild(L"a");
  EXPECT_TRUE(WriteDocument(deep).has_value());
  at->AddChild(L"a");
  EXPECT_FALSE(WriteDocument(deep).has_value());

  Element wide(L"a");
  wide.children.resize(kelvra::xml::kMaxElements, Element(L"b"));
  EXPECT_FALSE(WriteDocument(wide).has_value());
  wide.children.pop_back();
  EXPECT_TRUE(WriteDocument(wide).has_value());
}

}  // namespace
