// The layout file's band list: what is written, what reads back, and every file
// from elsewhere that must be refused whole.
#include "commandbars/rebar/rebar_layout_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvra {
namespace {

using Bands = std::vector<RebarLayoutBand>;

TEST(RebarLayoutFile, WritesOneIndentedBandALineInOrder) {
  const Bands bands{{2, 120, 0x4}, {0, 250, 0x20024}, {1, -5, 0x80000000u}};
  const std::string file = WriteRebarLayout(bands);
  EXPECT_NE(file.find("<Layout>\n"
                      "   <Band ID=\"2\" cx=\"120\" fStyle=\"4\"/>\n"
                      "   <Band ID=\"0\" cx=\"250\" fStyle=\"131108\"/>\n"
                      "   <Band ID=\"1\" cx=\"-5\" fStyle=\"-2147483648\"/>\n"
                      "</Layout>"),
            std::string::npos)
      << file;
  const auto read = ReadRebarLayout(file);
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, bands);
}

TEST(RebarLayoutFile, NoBandsWritesOneBandOfZeros) {
  const std::string file = WriteRebarLayout({});
  EXPECT_NE(file.find("<Band ID=\"0\" cx=\"0\" fStyle=\"0\"/>"), std::string::npos) << file;
  const auto read = ReadRebarLayout(file);
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, (Bands{{0, 0, 0}}));
}

TEST(RebarLayoutFile, AcceptedFilesReadAsTheFileSays) {
  struct Case {
    const char* what;
    std::string file;
    Bands bands;
  };
  const std::string bom8 = "\xEF\xBB\xBF";
  std::string utf16;  // "<LAYOUT><b ID='3' cx='9'/></LAYOUT>" with a byte order mark
  utf16 += "\xFF\xFE";
  for (char c : std::string("<LAYOUT><b ID='3' cx='9'/></LAYOUT>")) {
    utf16 += c;
    utf16 += '\0';
  }
  const std::vector<Case> cases{
      {"root in capitals", "<LAYOUT><Band ID='1' cx='2' fStyle='3'/></LAYOUT>", {{1, 2, 3}}},
      {"root in mixed case", "<lAyOuT><Band ID='1'/></lAyOuT>", {{1, 0, 0}}},
      {"missing attributes read 0", "<Layout><Band/><Band cx='7'/></Layout>", {{0, 0, 0}, {0, 7, 0}}},
      {"any child name is a band", "<Layout><Row ID='4'/><x ID='5'/></Layout>", {{4, 0, 0}, {5, 0, 0}}},
      {"text, comments and deeper elements ignored",
       "<Layout>hello<!-- c --><Band ID='6'><Inner ID='9'/>t</Band>more</Layout>", {{6, 0, 0}}},
      {"signs and extremes", "<Layout><Band ID='-2147483648' cx='+2147483647' fStyle='-1'/></Layout>",
       {{INT32_MIN, INT32_MAX, 0xFFFFFFFFu}}},
      {"leading zeros", "<Layout><Band ID='007'/></Layout>", {{7, 0, 0}}},
      {"repeated ids kept", "<Layout><Band ID='1'/><Band ID='1'/></Layout>", {{1, 0, 0}, {1, 0, 0}}},
      {"no bands at all", "<Layout/>", {}},
      {"UTF-8 with a byte order mark", bom8 + "<Layout><Band ID='2'/></Layout>", {{2, 0, 0}}},
      {"UTF-16 with a byte order mark", utf16, {{3, 9, 0}}},
  };
  for (const Case& c : cases) {
    const auto read = ReadRebarLayout(c.file);
    ASSERT_TRUE(read) << c.what;
    EXPECT_EQ(*read, c.bands) << c.what;
  }
}

TEST(RebarLayoutFile, HostileFilesAreRefusedWhole) {
  std::string manyBands = "<Layout>";
  for (int i = 0; i < 100000; ++i) manyBands += "<Band/>";
  manyBands += "</Layout>";
  std::string deep = "<Layout>";
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  std::string large = "<Layout>" + std::string(kMaxRebarLayoutBytes, ' ') + "</Layout>";
  const std::string laughs =
      "<?xml version='1.0'?><!DOCTYPE Layout [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;'>]>"
      "<Layout><Band ID='&b;'/></Layout>";
  struct Case {
    const char* what;
    std::string file;
  };
  const std::vector<Case> cases{
      {"empty", ""},
      {"not XML", "ID=1 cx=2"},
      {"truncated", "<Layout><Band ID='1' cx="},
      {"unclosed root", "<Layout><Band ID='1'/>"},
      {"over a megabyte", large},
      {"nested past the depth limit", deep},
      {"a document type", laughs},
      {"another root", "<Skin><Band ID='1'/></Skin>"},
      {"a root that only starts alike", "<Layouts><Band/></Layouts>"},
      {"past 32 bits", "<Layout><Band ID='99999999999'/></Layout>"},
      {"just past the top", "<Layout><Band cx='2147483648'/></Layout>"},
      {"just past the bottom", "<Layout><Band cx='-2147483649'/></Layout>"},
      {"hexadecimal", "<Layout><Band fStyle='0x10'/></Layout>"},
      {"trailing letters", "<Layout><Band cx='12abc'/></Layout>"},
      {"empty value", "<Layout><Band ID=''/></Layout>"},
      {"a sign alone", "<Layout><Band ID='-'/></Layout>"},
      {"blanks around", "<Layout><Band ID=' 1'/></Layout>"},
      {"a bad value after good bands", "<Layout><Band ID='1'/><Band ID='2'/><Band ID='x'/></Layout>"},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadRebarLayout(c.file)) << c.what;

  // Many bands are a file like any other: the rebar applies as many as it has.
  const auto many = ReadRebarLayout(manyBands);
  ASSERT_TRUE(many);
  EXPECT_EQ(many->size(), 100000u);
}

TEST(RebarLayoutFile, FileNamePartIsChecked) {
  struct Case {
    const wchar_t* path;
    bool allowed;
  };
  const Case cases[]{
      {L"layout.xml", true},
      {L"C:\\dir\\layout.xml", true},
      {L"dir/sub/layout.xml", true},
      {L"\"C:\\dir\\layout.xml\"", true},
      {L"C:\\dir\\", false},
      {L"", false},
      {L"\"\"", false},
      {L"C:layout.xml", false},
      {L"C:\\dir\\lay:out.xml", false},
      {L"C:\\dir\\what?.xml", false},
      {L"a*.xml", false},
      {L"a<b.xml", false},
      {L"a>b.xml", false},
      {L"a|b.xml", false},
      {L"a\tb.xml", false},
      {L"a\x1f.xml", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsRebarLayoutFileNameAllowed(c.path), c.allowed) << c.path;
}

}  // namespace
}  // namespace kelvra
