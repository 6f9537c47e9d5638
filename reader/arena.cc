#include "reader/arena.h"

#include <cstdint>
#include <cstring>

namespace kestrel {

void* Arena::allocate(std::size_t size, std::size_t alignment) {
  std::size_t padding = (alignment - reinterpret_cast<std::uintptr_t>(next_) % alignment) % alignment;
  if (next_ == nullptr || padding + size > left_) {
    // A request larger than a block gets a block of its own size.
    std::size_t bytes = size > kBlockSize ? size : kBlockSize;
    std::size_t units = (bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
    blocks_.push_back(std::make_unique_for_overwrite<std::max_align_t[]>(units));
    next_ = reinterpret_cast<char*>(blocks_.back().get());
    left_ = units * sizeof(std::max_align_t);
    padding = 0;
  }
  char* result = next_ + padding;
  next_ = result + size;
  left_ -= padding + size;
  return result;
}

std::string_view Arena::copy(std::string_view text) {
  if (text.empty()) return {};
  char* bytes = static_cast<char*>(allocate(text.size(), 1));
  std::memcpy(bytes, text.data(), text.size());
  return {bytes, text.size()};
}

}  // namespace kestrel
