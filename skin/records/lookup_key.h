// LookupKey: the text of a look-up key built on the caller's stack, so that
// reading a skin allocates nothing unless the key is unusually long. Pure code:
// no <windows.h>.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvra {

// Not a per-thread buffer: a thread_local object with a destructor makes the C++
// runtime keep Kelvra.dll loaded until its thread ends, so FreeLibrary after
// Kelvra_End would leave the ended library in place for the next LoadLibrary.
class LookupKey {
 public:
  LookupKey() = default;
  LookupKey(const LookupKey&) = delete;
  LookupKey& operator=(const LookupKey&) = delete;

  void clear() noexcept {
    size_ = 0;
    onHeap_ = false;
    heap_.clear();
  }
  void push_back(wchar_t c) {
    if (onHeap_) {
      heap_.push_back(c);
    } else if (size_ < kInline) {
      inline_[size_++] = c;
    } else {
      heap_.assign(inline_, size_);
      heap_.push_back(c);
      onHeap_ = true;
    }
  }
  void append(std::wstring_view text) {
    if (!onHeap_ && text.size() <= kInline - size_) {
      text.copy(inline_ + size_, text.size());
      size_ += text.size();
      return;
    }
    for (const wchar_t c : text) push_back(c);
  }
  std::wstring_view view() const noexcept {
    return onHeap_ ? std::wstring_view(heap_) : std::wstring_view(inline_, size_);
  }

 private:
  // Component, state and property paths of real skins stay well within this.
  static constexpr std::size_t kInline = 160;
  wchar_t inline_[kInline];
  std::size_t size_ = 0;
  bool onHeap_ = false;
  std::wstring heap_;
};

}  // namespace kelvra
