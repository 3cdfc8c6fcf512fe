// The skin document: what the reader takes from a skin file's tree, what it
// refuses, the tree the writer makes, and every built-in skin through both.
#include <gtest/gtest.h>

#include <string>

#include "core/xml/xml_tree.h"
#include "skin/builtin/builtin_skin_rows.h"
#include "skin/files/skin_document.h"
#include "tests/skin/files/builtin_skin_documents.h"

namespace {

using kelvra::SkinDocument;
using kelvra::SkinDocumentStatus;

SkinDocument Read(const std::string& text) {
  const auto tree = kelvra::xml::ReadDocument(text);
  EXPECT_TRUE(tree.ok()) << text;
  return kelvra::ReadSkinDocument(tree.root);
}

TEST(SkinDocumentRead, TakesNamePropertiesInOrderAndOneLineValues) {
  const SkinDocument document = Read(
      "<SKIN><Author id=\"someone\"/><Extra/><name id=\"Glass\"/>"
      "<component id=\"ButtonEx\"><STATE id=\"normal\">"
      "<Property id=\"text\">\r\n\t  font: Tahoma,\r\n\t   8, bold;  \r\n</Property>"
      "<Property ID=\"x\">no id</Property></STATE><State id=\"empty\"/></component>"
      "<Component id=\"\"/><Component id=\"splitterex\"><State id=\"hot\"><Property id=\"background\">"
      "#ff0000</Property></State></Component></SKIN>");
  EXPECT_EQ(document.status, SkinDocumentStatus::Ok);
  EXPECT_EQ(document.name, L"Glass");
  const std::vector<kelvra::SkinDocumentProperty> expected = {
      {L"ButtonEx", L"normal", L"text", L"font: Tahoma,   8, bold;"},
      {L"ButtonEx", L"normal", L"", L"no id"},  // "id" is matched exactly
      {L"splitterex", L"hot", L"background", L"#ff0000"},
  };
  EXPECT_EQ(document.properties, expected);

  // A skin without components is a skin holding nothing.
  const SkinDocument empty = Read("<Skin><Name id=\"e\"/></Skin>");
  EXPECT_EQ(empty.status, SkinDocumentStatus::Ok);
  EXPECT_TRUE(empty.properties.empty());
  EXPECT_EQ(Read("<Skins/>").status, SkinDocumentStatus::NotASkin);
}

TEST(SkinDocumentRead, AnotherElementWhereALevelStandsEndsTheRead) {
  struct {
    const char* what;
    const char* text;
    std::size_t propertiesBefore;
  } const cases[] = {
      {"beside the components", "<Skin><Component id=\"c\"><State id=\"s\"><Property id=\"p\">1</Property></State>"
                                "</Component><Name id=\"late\"/></Skin>", 1},
      {"in a component", "<Skin><Component id=\"c\"><Property id=\"p\">1</Property></Component></Skin>", 0},
      {"in a state", "<Skin><Component id=\"c\"><State id=\"s\"><Property id=\"p\">1</Property><State/></State>"
                     "</Component></Skin>", 1},
      {"inside a property", "<Skin><Component id=\"c\"><State id=\"s\"><Property id=\"p\">1</Property>"
                            "<Property id=\"q\">2<b/></Property></State></Component></Skin>", 1},
  };
  for (const auto& c : cases) {
    const SkinDocument document = Read(c.text);
    EXPECT_EQ(document.status, SkinDocumentStatus::UnexpectedElement) << c.what;
    EXPECT_EQ(document.properties.size(), c.propertiesBefore) << c.what;
  }
}

TEST(SkinDocumentWrite, WritesTheSkinTree) {
  kelvra::SkinDocumentHeader header;
  header.name = L"Glass";
  header.url = L"http://example.invalid/glass";
  const std::vector<kelvra::SkinDocumentProperty> properties = {
      {L"buttonex", L"normal", L"background", L"#ff0000"},
      {L"buttonex", L"normal", L"text", L"font: tahoma, 8;"},
      {L"buttonex", L"hot", L"background", L""},
      {L"splitterex:blue", L"normal", L"background", L"a & b"},
  };
  const auto text = kelvra::xml::WriteDocument(kelvra::SkinDocumentTree(header, properties));
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Skin>\n"
            "   <Name id=\"Glass\"/>\n"
            "   <URL id=\"http://example.invalid/glass\"/>\n"
            "   <Component id=\"buttonex\">\n"
            "      <State id=\"normal\">\n"
            "         <Property id=\"background\">#ff0000</Property>\n"
            "         <Property id=\"text\">font: tahoma, 8;</Property>\n"
            "      </State>\n"
            "      <State id=\"hot\">\n"
            "         <Property id=\"background\"/>\n"
            "      </State>\n"
            "   </Component>\n"
            "   <Component id=\"splitterex:blue\">\n"
            "      <State id=\"normal\">\n"
            "         <Property id=\"background\">a &amp; b</Property>\n"
            "      </State>\n"
            "   </Component>\n"
            "</Skin>\n");
  const SkinDocument back = Read(*text);
  EXPECT_EQ(back.name, L"Glass");
  EXPECT_EQ(back.properties, properties);
}

TEST(SkinDocumentWrite, EveryBuiltInSkinReadsBackAsWritten) {
  for (const auto& table : kelvra::BuiltInSkinTables()) {
    const SkinDocument document = kelvra::test::BuiltInSkinDocument(table);
    const auto text = kelvra::xml::WriteDocument(kelvra::SkinDocumentTree({document.name, {}, {}, {}, {}}, document.properties));
    ASSERT_TRUE(text.has_value()) << testing::PrintToString(std::wstring(table.key));
    EXPECT_EQ(Read(*text), document) << testing::PrintToString(std::wstring(table.key));
  }
}

}  // namespace
