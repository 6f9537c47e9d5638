// Memory handed out in order from large blocks and given back all at once:
// the words of a dictionary and their names live side by side, in the order
// they were defined, without a heap allocation for each.
//
// Memory from allocateReferenced() also has a 32-bit reference, from which
// at() finds it again with arithmetic and one look into the small list of
// blocks: tables that hold references stay half the size of tables of
// pointers, and need no second table to map numbers to objects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "reader/large_block.h"

namespace kestrel {

class Arena {
 public:
  using Ref = std::uint32_t;
  static constexpr std::size_t kMaxReferenced = 1024;  // bytes

  Arena() = default;
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  // `size` bytes aligned to `alignment` (a power of two, at most 16).
  void* allocate(std::size_t size, std::size_t alignment);
  // `size` bytes (at most kMaxReferenced) aligned to 8, and their reference.
  struct Referenced {
    void* memory;
    Ref ref;
  };
  Referenced allocateReferenced(std::size_t size);
  void* at(Ref ref) const {
    return blocks_[ref >> kOffsetBits] + (ref & kOffsetMask) * kUnit;
  }
  // A copy of `text` that lives as long as the arena; its data pointer is
  // never null, not even for empty text.
  std::string_view copy(std::string_view text);

 private:
  // Blocks double from 4 KB to 64 KB, so that a small dictionary stays small.
  static constexpr std::size_t kFirstBlockSize = 1 << 12;
  static constexpr std::size_t kBlockSize = 1 << 16;
  static constexpr std::size_t kUnit = 8;  // references count in units of 8 bytes
  static constexpr unsigned kOffsetBits = 13;  // kBlockSize / kUnit offsets
  static constexpr Ref kOffsetMask = (Ref{1} << kOffsetBits) - 1;
  static constexpr std::size_t kMaxBlocks = std::size_t{1} << (32 - kOffsetBits);

  // Once the arena holds this many blocks, further blocks are cut from
  // chunks of huge-page size (see large_block.h); a small arena stays small.
  static constexpr std::size_t kBlocksBeforeChunks = 32;
  static_assert(kHugePageSize % kBlockSize == 0);

  // Starts a block of at least `atLeast` bytes (at most kBlockSize).
  void startBlock(std::size_t atLeast);
  char* newBlockMemory(std::size_t bytes);

  std::vector<char*> blocks_;  // none above kBlockSize
  // Memory from the heap: blocks not cut from chunks, and large requests
  // with a block of their own.
  std::vector<std::unique_ptr<std::max_align_t[]>> owned_;
  std::vector<LargeBlock> chunks_;
  std::byte* chunkNext_ = nullptr;
  std::size_t chunkLeft_ = 0;
  char* next_ = nullptr;
  std::size_t left_ = 0;
  std::size_t nextBlockSize_ = kFirstBlockSize;
};

}  // namespace kestrel
