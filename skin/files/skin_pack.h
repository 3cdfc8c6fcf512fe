// The SkinPack container: entries of (u32 unpacked size, u32 stored size, stored
// bytes), little-endian, no file header; for each carried file a name entry
// (UTF-16LE with one 16-bit NUL) and its data entry, then the skin file's XML
// last. The reader works over a read-at-offset source (memory here, a file in
// the Win32 layer) and holds at most one entry at a time; the writer writes to a
// sink as it goes. Pure code: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/decode/image_decode.h"
#include "core/xml/xml_tree.h"

namespace kelvra {

inline constexpr uint32_t kMaxPackEntries = 65537;      // 32,768 files and the XML
inline constexpr uint32_t kMaxPackNameBytes = 512;      // a name entry, its NUL included
inline constexpr uint64_t kMaxPackDataBytes = image::kMaxImageFileBytes;  // a data entry
inline constexpr uint64_t kMaxPackXmlBytes = xml::kMaxDocumentBytes;      // the last entry
// What one operation may read or unpack in all (a whole LoadSkin, say).
inline constexpr uint64_t kSkinReadBudgetBytes = uint64_t{256} << 20;

// Bytes one operation may still read or unpack; once a request is refused the
// budget stays exhausted, so the operation can tell why it stopped.
class ReadBudget {
 public:
  explicit ReadBudget(uint64_t bytes = kSkinReadBudgetBytes) : left_(bytes) {}
  bool Take(uint64_t bytes) {
    if (exhausted_ || bytes > left_) {
      exhausted_ = true;
      return false;
    }
    left_ -= bytes;
    return true;
  }
  bool Exhausted() const { return exhausted_; }
  bool Covers(uint64_t bytes) const { return !exhausted_ && bytes <= left_; }

 private:
  uint64_t left_;
  bool exhausted_ = false;
};

class PackSource {
 public:
  virtual uint64_t Size() const = 0;
  // Exactly `size` bytes at `offset`, or false.
  virtual bool ReadAt(uint64_t offset, void* out, std::size_t size) const = 0;

 protected:
  ~PackSource() = default;
};

class MemoryPackSource final : public PackSource {
 public:
  explicit MemoryPackSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, void* out, std::size_t size) const override;

 private:
  std::span<const uint8_t> bytes_;
};

enum class PackError : uint8_t {
  None,
  NoEntries,
  EvenEntries,        // names and data do not pair up with the XML last
  TooManyEntries,
  Truncated,          // sizes past the end
  StoredAboveUnpacked,
  EntryTooLarge,      // an unpacked size over its cap
  BadName,            // odd length, no final NUL, or an inner one
  BadEntry,           // breaks the codec's rule
  OverBudget,
  ReadFailed,
  NotFound,
  OutOfMemory,
};

class SkinPackReader {
 public:
  // Reads the entry table and checks its layout and every size against its cap;
  // reads no entry's bytes. The source must outlive the reader.
  PackError Open(const PackSource& source);
  // Unpacks every entry once (one at a time) and checks every name: what
  // LoadSkin does before it makes a skin. Costs the budget what it reads and
  // unpacks.
  PackError CheckAll(ReadBudget& budget) const;

  std::size_t FileCount() const { return entries_.empty() ? 0 : entries_.size() / 2; }
  PackError ReadName(std::size_t file, ReadBudget& budget, std::wstring& name) const;
  PackError ReadData(std::size_t file, ReadBudget& budget, std::vector<uint8_t>& bytes) const;
  PackError ReadXml(ReadBudget& budget, std::vector<uint8_t>& bytes) const;
  // The data of the first file whose name equals `name` exactly (NotFound when
  // none does); `data` may be null to ask only whether it is there.
  PackError FindFile(std::wstring_view name, ReadBudget& budget, std::vector<uint8_t>* data) const;

 private:
  struct Entry {
    uint64_t offset;  // of the stored bytes
    uint32_t unpacked;
    uint32_t stored;
  };
  PackError ReadEntry(std::size_t index, ReadBudget& budget, std::vector<uint8_t>& bytes) const;

  const PackSource* source_ = nullptr;
  std::vector<Entry> entries_;
};

class PackSink {
 public:
  virtual bool Write(const void* bytes, std::size_t size) = 0;

 protected:
  ~PackSink() = default;
};

class SkinPackWriter {
 public:
  explicit SkinPackWriter(PackSink& sink) : sink_(sink) {}
  // A name entry and its data entry, both at once, so the pairs always line up.
  // False, writing nothing, for what the reader would refuse: an empty name or
  // one holding a NUL or past kMaxPackNameBytes, data past kMaxPackDataBytes, or
  // more files than the pack holds; false too when the sink fails.
  bool AddFile(std::wstring_view name, std::span<const uint8_t> data);
  // The XML, last; false past kMaxPackXmlBytes or when the sink fails.
  bool Finish(std::span<const uint8_t> xml);

 private:
  bool WriteEntry(std::span<const uint8_t> bytes);
  PackSink& sink_;
  uint32_t entries_ = 0;
};

// A name as a name entry holds it (UTF-16LE and one 16-bit NUL), and back; a
// name entry that is not one gives false.
std::vector<uint8_t> PackNameEntry(std::wstring_view name);
bool ReadPackNameEntry(std::span<const uint8_t> entry, std::wstring& name);

}  // namespace kelvra
