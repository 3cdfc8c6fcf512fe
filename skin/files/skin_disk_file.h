// Disk files for skin files: opened with CreateFileW and used only when
// GetFileType says disk (a console, a pipe or a folder is never read), sized
// before anything is allocated; and files written under a temporary name beside
// their target, which replaces the target only once complete.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/win_handles.h"
#include "skin/files/skin_pack.h"

namespace kelvra {

class DiskFile final : public PackSource {
 public:
  // The disk file at `path`; nothing for a missing file, a device, a pipe or a
  // folder.
  static std::optional<DiskFile> Open(const std::wstring& path);

  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, void* out, std::size_t size) const override;
  // The whole file when it is at most `cap` bytes and the budget allows.
  bool ReadAll(std::vector<uint8_t>& bytes, uint64_t cap, ReadBudget& budget) const;
  // The same for every name of one file, and different for another file or
  // after the file changed: volume, file index, size and last write time.
  const std::wstring& Identity() const { return identity_; }

 private:
  UniqueFile file_;
  uint64_t size_ = 0;
  std::wstring identity_;
};

// Whether anything (file or folder) exists at the path.
bool PathExists(const std::wstring& path);

// A file written under a unique temporary name in the folder of its target and
// moved onto the target by Commit; deleted, if not committed, when it goes.
class StagedFile {
 public:
  // Nothing when no temporary file can be made beside `target`.
  static std::optional<StagedFile> Create(const std::wstring& target);
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;
  ~StagedFile();

  bool Write(const void* bytes, std::size_t size);
  // Flushes and closes the temporary file (many can wait for their commit
  // without holding a handle each); false when something was not written.
  bool Close();
  // Closes the file if open and replaces the target with it; false leaves the
  // target as it was (and the temporary file to the destructor).
  bool Commit();
  const std::wstring& Target() const { return target_; }

 private:
  StagedFile() = default;
  void Discard();
  UniqueFile file_;
  std::wstring temp_, target_;
  bool committed_ = false;
  bool failed_ = false;
};

// A StagedFile as the pack writer's sink.
class StagedFileSink final : public PackSink {
 public:
  explicit StagedFileSink(StagedFile& file) : file_(file) {}
  bool Write(const void* bytes, std::size_t size) override { return file_.Write(bytes, size); }

 private:
  StagedFile& file_;
};

}  // namespace kelvra
