#include "reader/arena.h"

#include <cstring>
#include <new>

namespace kestrel {

namespace {

std::unique_ptr<std::max_align_t[]> newBlock(std::size_t bytes) {
  return std::make_unique_for_overwrite<std::max_align_t[]>((bytes + sizeof(std::max_align_t) - 1) /
                                                            sizeof(std::max_align_t));
}

}  // namespace

void Arena::startBlock(std::size_t atLeast) {
  while (nextBlockSize_ < atLeast) nextBlockSize_ *= 2;
  // References stay below 2^32 - 1, so that a table can keep ref + 1 and
  // use 0 for an empty place.
  if (blocks_.size() + 1 >= kMaxBlocks) throw std::bad_alloc();
  blocks_.push_back(newBlockMemory(nextBlockSize_));
  next_ = blocks_.back();
  left_ = nextBlockSize_;
  if (nextBlockSize_ < kBlockSize) nextBlockSize_ *= 2;
}

char* Arena::newBlockMemory(std::size_t bytes) {
  if (bytes == kBlockSize && blocks_.size() >= kBlocksBeforeChunks) {
    if (chunkLeft_ < kBlockSize) {
      chunks_.push_back(allocateLargeBlock(kHugePageSize, false));
      chunkNext_ = chunks_.back().get();
      chunkLeft_ = kHugePageSize;
    }
    auto* block = reinterpret_cast<char*>(chunkNext_);
    chunkNext_ += kBlockSize;
    chunkLeft_ -= kBlockSize;
    return block;
  }
  owned_.push_back(newBlock(bytes));
  return reinterpret_cast<char*>(owned_.back().get());
}

void* Arena::allocate(std::size_t size, std::size_t alignment) {
  if (size > kBlockSize / 4) {  // a large request gets a block of its own
    owned_.push_back(newBlock(size));
    return owned_.back().get();
  }
  std::size_t padding = (alignment - reinterpret_cast<std::uintptr_t>(next_) % alignment) % alignment;
  if (next_ == nullptr || padding + size > left_) {
    startBlock(size);
    padding = 0;
  }
  char* result = next_ + padding;
  next_ = result + size;
  left_ -= padding + size;
  return result;
}

Arena::Referenced Arena::allocateReferenced(std::size_t size) {
  void* memory = allocate(size, kUnit);
  auto offset = static_cast<std::size_t>(static_cast<char*>(memory) - blocks_.back());
  return {memory, static_cast<Ref>(((blocks_.size() - 1) << kOffsetBits) | (offset / kUnit))};
}

std::string_view Arena::copy(std::string_view text) {
  if (text.empty()) return std::string_view("", 0);  // never a null pointer
  char* bytes = static_cast<char*>(allocate(text.size(), 1));
  std::memcpy(bytes, text.data(), text.size());
  return {bytes, text.size()};
}

}  // namespace kestrel
