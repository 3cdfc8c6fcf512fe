// Reading disk files and writing staged files.
#include "skin/files/skin_disk_file.h"

#include <new>

#include "skin/files/skin_file_names.h"

namespace kelvra {

std::optional<DiskFile> DiskFile::Open(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  // SQOS: should a name reach a pipe after all, its server learns nothing of
  // the caller's identity.
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
  if (!file || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file.get(), &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  DiskFile disk;
  disk.size_ = uint64_t{info.nFileSizeHigh} << 32 | info.nFileSizeLow;
  for (const uint64_t part : {uint64_t{info.dwVolumeSerialNumber}, uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow,
                              disk.size_,
                              uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32 | info.ftLastWriteTime.dwLowDateTime}) {
    disk.identity_ += std::to_wstring(part);
    disk.identity_ += L':';
  }
  disk.file_ = std::move(file);
  return disk;
}

bool DiskFile::ReadAt(uint64_t offset, void* out, std::size_t size) const {
  if (offset > size_ || size > size_ - offset) return false;
  auto* at = static_cast<uint8_t*>(out);
  while (size > 0) {
    // Positioned reads: no shared file pointer to get wrong.
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const DWORD chunk = size > (DWORD{1} << 30) ? (DWORD{1} << 30) : static_cast<DWORD>(size);
    DWORD read = 0;
    if (!ReadFile(file_.get(), at, chunk, &read, &position) || read == 0) return false;
    at += read;
    offset += read;
    size -= read;
  }
  return true;
}

bool DiskFile::ReadAll(std::vector<uint8_t>& bytes, uint64_t cap, ReadBudget& budget) const {
  bytes.clear();
  if (size_ > cap || !budget.Take(size_)) return false;
  try {
    bytes.resize(static_cast<std::size_t>(size_));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (ReadAt(0, bytes.data(), bytes.size())) return true;
  bytes.clear();
  return false;
}

bool PathExists(const std::wstring& path) {
  return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<StagedFile> StagedFile::Create(const std::wstring& target) {
  std::wstring folder(DirectoryPartOf(target));
  if (folder.empty()) folder = L".";
  wchar_t temp[MAX_PATH];
  // Makes the file too, so the name stays ours.
  if (!GetTempFileNameW(folder.c_str(), L"skn", 0, temp)) return std::nullopt;
  StagedFile staged;
  staged.temp_ = temp;
  staged.target_ = target;
  staged.file_ = UniqueFile(
      CreateFileW(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!staged.file_) return std::nullopt;  // the destructor deletes the empty file
  return staged;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : file_(std::move(other.file_)),
      temp_(std::move(other.temp_)),
      target_(std::move(other.target_)),
      committed_(other.committed_),
      failed_(other.failed_) {
  other.temp_.clear();
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this != &other) {
    Discard();
    file_ = std::move(other.file_);
    temp_ = std::move(other.temp_);
    target_ = std::move(other.target_);
    committed_ = other.committed_;
    failed_ = other.failed_;
    other.temp_.clear();
  }
  return *this;
}

StagedFile::~StagedFile() { Discard(); }

void StagedFile::Discard() {
  file_.reset();
  if (!committed_ && !temp_.empty()) DeleteFileW(temp_.c_str());
  temp_.clear();
}

bool StagedFile::Write(const void* bytes, std::size_t size) {
  if (failed_ || !file_) return false;
  const auto* at = static_cast<const uint8_t*>(bytes);
  while (size > 0) {
    const DWORD chunk = size > (DWORD{1} << 30) ? (DWORD{1} << 30) : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file_.get(), at, chunk, &written, nullptr) || written == 0) {
      failed_ = true;
      return false;
    }
    at += written;
    size -= written;
  }
  return true;
}

bool StagedFile::Close() {
  if (failed_) return false;
  if (!file_) return true;
  const bool flushed = FlushFileBuffers(file_.get()) != 0;
  file_.reset();
  if (!flushed) failed_ = true;
  return flushed;
}

bool StagedFile::Commit() {
  if (committed_ || temp_.empty() || !Close()) return false;
  if (!MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
  committed_ = true;
  return true;
}

}  // namespace kelvra
