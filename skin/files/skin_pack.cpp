// The SkinPack container's reader and writer.
#include "skin/files/skin_pack.h"

#include <cstring>
#include <new>

#include "skin/files/skin_pack_codec.h"

namespace kelvra {

namespace {

uint32_t ReadU32(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
         static_cast<uint32_t>(at[3]) << 24;
}

void PutU32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

void AppendUnit(std::vector<uint8_t>& out, uint32_t unit) {
  out.push_back(static_cast<uint8_t>(unit & 0xFF));
  out.push_back(static_cast<uint8_t>(unit >> 8));
}

}  // namespace

bool MemoryPackSource::ReadAt(uint64_t offset, void* out, std::size_t size) const {
  if (offset > bytes_.size() || size > bytes_.size() - offset) return false;
  if (size) std::memcpy(out, bytes_.data() + offset, size);
  return true;
}

std::vector<uint8_t> PackNameEntry(std::wstring_view name) {
  std::vector<uint8_t> out;
  out.reserve(name.size() * 2 + 2);
  for (wchar_t c : name) {
    const auto unit = static_cast<uint32_t>(c);
    if (sizeof(wchar_t) > 2 && unit >= 0x10000 && unit <= 0x10FFFF) {
      AppendUnit(out, 0xD800 + ((unit - 0x10000) >> 10));
      AppendUnit(out, 0xDC00 + ((unit - 0x10000) & 0x3FF));
    } else {
      AppendUnit(out, unit & 0xFFFF);
    }
  }
  AppendUnit(out, 0);
  return out;
}

bool ReadPackNameEntry(std::span<const uint8_t> entry, std::wstring& name) {
  name.clear();
  if (entry.size() < 2 || entry.size() % 2 != 0 || entry.size() > kMaxPackNameBytes) return false;
  const std::size_t units = entry.size() / 2;
  auto unitAt = [&](std::size_t i) { return static_cast<uint32_t>(entry[2 * i] | entry[2 * i + 1] << 8); };
  if (unitAt(units - 1) != 0) return false;
  for (std::size_t i = 0; i + 1 < units; ++i) {
    uint32_t unit = unitAt(i);
    if (unit == 0) return false;
    // Where wchar_t holds 32 bits a pair becomes one character; a lone
    // surrogate stays as it is, to compare unequal to every real name.
    if (sizeof(wchar_t) > 2 && unit >= 0xD800 && unit <= 0xDBFF && i + 2 < units) {
      const uint32_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    name.push_back(static_cast<wchar_t>(unit));
  }
  return true;
}

PackError SkinPackReader::Open(const PackSource& source) {
  source_ = &source;
  entries_.clear();
  try {
    const uint64_t size = source.Size();
    uint64_t at = 0;
    while (at < size) {
      if (entries_.size() >= kMaxPackEntries) return PackError::TooManyEntries;
      uint8_t header[8];
      if (size - at < sizeof header) return PackError::Truncated;
      if (!source.ReadAt(at, header, sizeof header)) return PackError::ReadFailed;
      const Entry entry{at + sizeof header, ReadU32(header), ReadU32(header + 4)};
      if (entry.stored > size - entry.offset) return PackError::Truncated;
      if (entry.stored > entry.unpacked) return PackError::StoredAboveUnpacked;
      entries_.push_back(entry);
      at = entry.offset + entry.stored;
    }
    if (entries_.empty()) return PackError::NoEntries;
    if (entries_.size() % 2 == 0) return PackError::EvenEntries;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      const bool xml = i + 1 == entries_.size();
      const uint64_t cap = xml ? kMaxPackXmlBytes : i % 2 == 0 ? kMaxPackNameBytes : kMaxPackDataBytes;
      if (entries_[i].unpacked > cap) return PackError::EntryTooLarge;
    }
    return PackError::None;
  } catch (const std::bad_alloc&) {
    entries_.clear();
    return PackError::OutOfMemory;
  }
}

PackError SkinPackReader::ReadEntry(std::size_t index, ReadBudget& budget, std::vector<uint8_t>& bytes) const {
  bytes.clear();
  if (!source_ || index >= entries_.size()) return PackError::NotFound;
  const Entry& entry = entries_[index];
  const bool raw = entry.stored == entry.unpacked;
  // What is read, and then what is unpacked from it.
  if (!budget.Take(entry.stored + (raw ? 0 : uint64_t{entry.unpacked}))) return PackError::OverBudget;
  try {
    std::vector<uint8_t> stored(entry.stored);
    if (!source_->ReadAt(entry.offset, stored.data(), stored.size())) return PackError::ReadFailed;
    if (raw) {
      bytes = std::move(stored);
      return PackError::None;
    }
    return DecodePackEntry(stored, entry.unpacked, bytes) ? PackError::None : PackError::BadEntry;
  } catch (const std::bad_alloc&) {
    bytes.clear();
    return PackError::OutOfMemory;
  }
}

PackError SkinPackReader::CheckAll(ReadBudget& budget) const {
  // The table says what the check will cost: a pack past the budget is refused
  // before any of it is unpacked.
  uint64_t cost = 0;
  for (const Entry& entry : entries_) cost += entry.stored + (entry.stored == entry.unpacked ? 0 : uint64_t{entry.unpacked});
  if (!budget.Covers(cost)) {
    budget.Take(cost);
    return PackError::OverBudget;
  }
  std::vector<uint8_t> bytes;
  std::wstring name;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (const PackError error = ReadEntry(i, budget, bytes); error != PackError::None) return error;
    const bool isName = i + 1 < entries_.size() && i % 2 == 0;
    if (isName && !ReadPackNameEntry(bytes, name)) return PackError::BadName;
  }
  return PackError::None;
}

PackError SkinPackReader::ReadName(std::size_t file, ReadBudget& budget, std::wstring& name) const {
  name.clear();
  if (file >= FileCount()) return PackError::NotFound;
  std::vector<uint8_t> bytes;
  if (const PackError error = ReadEntry(2 * file, budget, bytes); error != PackError::None) return error;
  try {
    return ReadPackNameEntry(bytes, name) ? PackError::None : PackError::BadName;
  } catch (const std::bad_alloc&) {
    return PackError::OutOfMemory;
  }
}

PackError SkinPackReader::ReadData(std::size_t file, ReadBudget& budget, std::vector<uint8_t>& bytes) const {
  if (file >= FileCount()) {
    bytes.clear();
    return PackError::NotFound;
  }
  return ReadEntry(2 * file + 1, budget, bytes);
}

PackError SkinPackReader::ReadXml(ReadBudget& budget, std::vector<uint8_t>& bytes) const {
  if (entries_.empty()) {
    bytes.clear();
    return PackError::NotFound;
  }
  return ReadEntry(entries_.size() - 1, budget, bytes);
}

PackError SkinPackReader::FindFile(std::wstring_view name, ReadBudget& budget, std::vector<uint8_t>* data) const {
  std::wstring entryName;
  for (std::size_t file = 0; file < FileCount(); ++file) {
    if (const PackError error = ReadName(file, budget, entryName); error != PackError::None) return error;
    if (entryName != name) continue;
    if (!data) return PackError::None;
    return ReadData(file, budget, *data);
  }
  return PackError::NotFound;
}

bool SkinPackWriter::WriteEntry(std::span<const uint8_t> bytes) {
  std::vector<uint8_t> stored;
  if (!EncodePackEntry(bytes, stored)) return false;
  uint8_t header[8];
  PutU32(header, static_cast<uint32_t>(bytes.size()));
  PutU32(header + 4, static_cast<uint32_t>(stored.size()));
  if (!sink_.Write(header, sizeof header) || !sink_.Write(stored.data(), stored.size())) return false;
  ++entries_;
  return true;
}

bool SkinPackWriter::AddFile(std::wstring_view name, std::span<const uint8_t> data) {
  try {
    if (name.empty() || name.find(L'\0') != std::wstring_view::npos || data.size() > kMaxPackDataBytes ||
        entries_ + 3 > kMaxPackEntries)
      return false;
    const std::vector<uint8_t> nameEntry = PackNameEntry(name);
    if (nameEntry.size() > kMaxPackNameBytes) return false;
    return WriteEntry(nameEntry) && WriteEntry(data);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool SkinPackWriter::Finish(std::span<const uint8_t> xml) {
  if (xml.size() > kMaxPackXmlBytes || entries_ + 1 > kMaxPackEntries || entries_ % 2 != 0) return false;
  return WriteEntry(xml);
}

}  // namespace kelvra
