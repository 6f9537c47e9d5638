// Zeroed memory for large tables that are read at random. Blocks of 2 MB
// or more are aligned to 2 MB and, on Linux, the system is asked to back
// them with huge pages: in a program of a million words nearly every
// dictionary lookup reads far from the last one, and with small pages it
// would also miss the processor's cache of address translations.
#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>

namespace kestrel {

struct LargeBlockDeleter {
  std::size_t alignment;
  void operator()(std::byte* block) const;
};
using LargeBlock = std::unique_ptr<std::byte[], LargeBlockDeleter>;

constexpr std::size_t kHugePageSize = std::size_t{2} << 20;

// `zeroed` false leaves the contents undefined (and the pages untouched).
LargeBlock allocateLargeBlock(std::size_t bytes, bool zeroed = true);

// A fixed number of T in a LargeBlock, all bytes zero at first. T must be a
// type for which all-zero bytes are a valid value.
template <class T>
class LargeArray {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  LargeArray() = default;
  explicit LargeArray(std::size_t count) : block_(allocateLargeBlock(count * sizeof(T))), count_(count) {}

  std::size_t size() const { return count_; }
  T* begin() { return reinterpret_cast<T*>(block_.get()); }
  T* end() { return begin() + count_; }
  const T* begin() const { return reinterpret_cast<const T*>(block_.get()); }
  const T* end() const { return begin() + count_; }
  T& operator[](std::size_t i) { return begin()[i]; }
  const T& operator[](std::size_t i) const { return begin()[i]; }
  void swap(LargeArray& other) noexcept {
    block_.swap(other.block_);
    std::swap(count_, other.count_);
  }

 private:
  LargeBlock block_{nullptr, LargeBlockDeleter{alignof(std::max_align_t)}};
  std::size_t count_ = 0;
};

}  // namespace kestrel
