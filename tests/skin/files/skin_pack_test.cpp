// The skin pack: its entry codec, the container's reader and writer, and the
// hostile packs and documents every reader must refuse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/xml/xml_tree.h"
#include "skin/files/skin_document.h"
#include "skin/files/skin_pack.h"
#include "tests/skin/files/vector_pack_sink.h"
#include "skin/files/skin_pack_codec.h"
#include "tests/skin/files/hostile_skin_files.h"

namespace {

using kelvra::PackError;
using kelvra::ReadBudget;
using kelvra::SkinPackReader;

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::vector<uint8_t> Noise(std::size_t size) {
  std::vector<uint8_t> bytes(size);
  uint32_t x = 12345;
  for (auto& b : bytes) {
    x = x * 1103515245u + 12345u;
    b = static_cast<uint8_t>(x >> 24);
  }
  return bytes;
}

using VectorSink = kelvra::test::VectorPackSink;

TEST(SkinPackCodec, KeepsTheSmallerFormAndDecodesOnlyWhatFollowsTheRule) {
  // Incompressible bytes are stored as they are.
  const auto noise = Noise(100);
  std::vector<uint8_t> stored, back;
  ASSERT_TRUE(kelvra::EncodePackEntry(noise, stored));
  EXPECT_EQ(stored, noise);
  ASSERT_TRUE(kelvra::DecodePackEntry(stored, 100, back));
  EXPECT_EQ(back, noise);

  // Compressible bytes: "JC", then a zlib stream at level 9 (header 78 DA).
  const std::vector<uint8_t> text = Bytes(std::string(5000, 'a') + "tail");
  ASSERT_TRUE(kelvra::EncodePackEntry(text, stored));
  ASSERT_GT(stored.size(), 4u);
  EXPECT_LT(stored.size(), text.size());
  EXPECT_EQ(std::vector<uint8_t>(stored.begin(), stored.begin() + 4), (std::vector<uint8_t>{'J', 'C', 0x78, 0xDA}));
  ASSERT_TRUE(kelvra::DecodePackEntry(stored, static_cast<uint32_t>(text.size()), back));
  EXPECT_EQ(back, text);

  const uint32_t size = static_cast<uint32_t>(text.size());
  auto with = [&](auto edit) {
    auto copy = stored;
    edit(copy);
    return copy;
  };
  struct {
    const char* what;
    std::vector<uint8_t> stored;
    uint32_t unpacked;
  } const refused[] = {
      {"inflating past the claim", stored, size - 1},
      {"short of the claim", stored, size + 1},
      {"a claim of 4 GiB", stored, 0xFFFFFFFF},
      {"trailing bytes", with([](auto& s) { s.push_back(0); }), size},
      {"cut short", with([](auto& s) { s.erase(s.end() - 3, s.end()); }), size},
      {"corrupt", with([](auto& s) { for (std::size_t i = 4; i < s.size(); ++i) s[i] ^= 0x5A; }), size},
      {"another mark", with([](auto& s) { s[1] = 'X'; }), size},
      {"stored above unpacked", Noise(10), 9},
      {"too short for a stream", Bytes("JC"), 10},
  };
  for (const auto& c : refused) {
    EXPECT_FALSE(kelvra::DecodePackEntry(c.stored, c.unpacked, back)) << c.what;
    EXPECT_TRUE(back.empty()) << c.what;
  }
}

TEST(SkinPack, OneFileMakesThreeEntriesThatReadBack) {
  VectorSink sink;
  kelvra::SkinPackWriter writer(sink);
  const auto image = Noise(300);
  const auto xml = Bytes(std::string(kelvra::test::kSmallSkin));
  ASSERT_TRUE(writer.AddFile(L"glyph.png", image));
  ASSERT_TRUE(writer.Finish(xml));

  // name (UTF-16LE + NUL, raw: too short to shrink), image (raw), XML.
  const std::vector<uint8_t>& pack = sink.out;
  const std::string name = kelvra::test::NameBytes("glyph.png");
  ASSERT_GE(pack.size(), 8 + name.size());
  EXPECT_EQ(std::string(pack.begin(), pack.begin() + 8 + name.size()), kelvra::test::RawEntry(name));

  kelvra::MemoryPackSource source(pack);
  SkinPackReader reader;
  ASSERT_EQ(reader.Open(source), PackError::None);
  EXPECT_EQ(reader.FileCount(), 1u);
  ReadBudget budget;
  EXPECT_EQ(reader.CheckAll(budget), PackError::None);
  std::wstring readName;
  ASSERT_EQ(reader.ReadName(0, budget, readName), PackError::None);
  EXPECT_EQ(readName, L"glyph.png");
  std::vector<uint8_t> bytes;
  ASSERT_EQ(reader.FindFile(L"glyph.png", budget, &bytes), PackError::None);
  EXPECT_EQ(bytes, image);
  EXPECT_EQ(reader.FindFile(L"Glyph.png", budget, &bytes), PackError::NotFound);  // exact names
  ASSERT_EQ(reader.ReadXml(budget, bytes), PackError::None);
  EXPECT_EQ(bytes, xml);

  // What the reader would refuse is not written.
  VectorSink other;
  kelvra::SkinPackWriter refusing(other);
  EXPECT_FALSE(refusing.AddFile(L"", image));
  EXPECT_FALSE(refusing.AddFile(std::wstring(L"a\0b", 3), image));
  EXPECT_FALSE(refusing.AddFile(std::wstring(256, L'n'), image));
  EXPECT_TRUE(refusing.AddFile(std::wstring(255, L'n'), image));
  EXPECT_FALSE(refusing.Finish(std::vector<uint8_t>(kelvra::kMaxPackXmlBytes + 1, ' ')));
}

TEST(SkinPack, BudgetCountsWhatIsReadAndUnpacked) {
  VectorSink sink;
  kelvra::SkinPackWriter writer(sink);
  ASSERT_TRUE(writer.AddFile(L"zeros.dat", std::vector<uint8_t>(1 << 20, 0)));
  ASSERT_TRUE(writer.Finish(Bytes("<Skin/>")));
  kelvra::MemoryPackSource source(sink.out);
  SkinPackReader reader;
  ASSERT_EQ(reader.Open(source), PackError::None);
  ReadBudget small(1 << 20);  // the entry unpacks to 1 MiB, and more is read
  EXPECT_EQ(reader.CheckAll(small), PackError::OverBudget);
  EXPECT_TRUE(small.Exhausted());
  ReadBudget enough(2 << 20);
  EXPECT_EQ(reader.CheckAll(enough), PackError::None);
}

// Every hostile file, through the pure readers a LoadSkin of it would use.
TEST(SkinPack, HostileFilesGetTheirVerdict) {
  for (const auto& file : kelvra::test::HostileSkinFiles()) {
    const std::vector<uint8_t> bytes = Bytes(file.bytes);
    std::vector<uint8_t> xml = bytes;
    bool read = true;
    if (file.fileName.ends_with(L".sknz")) {
      kelvra::MemoryPackSource source(bytes);
      SkinPackReader reader;
      ReadBudget budget;
      read = reader.Open(source) == PackError::None && reader.CheckAll(budget) == PackError::None &&
             reader.ReadXml(budget, xml) == PackError::None;
    }
    kelvra::test::PureVerdict verdict = kelvra::test::PureVerdict::Refused;
    if (read) {
      const auto tree = kelvra::xml::ReadDocument(xml);
      if (tree.ok()) {
        const auto document = kelvra::ReadSkinDocument(tree.root);
        if (document.status == kelvra::SkinDocumentStatus::Ok) verdict = kelvra::test::PureVerdict::Accepted;
        if (document.status == kelvra::SkinDocumentStatus::UnexpectedElement)
          verdict = kelvra::test::PureVerdict::UnexpectedElement;
      }
    }
    EXPECT_EQ(verdict, file.pure) << file.what;
  }
}

}  // namespace
