// Memory handed out in order from large blocks and given back all at once:
// the words of a dictionary and their names live side by side, in the order
// they were defined, without a heap allocation for each.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace kestrel {

class Arena {
 public:
  Arena() = default;
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  // `size` bytes aligned to `alignment` (a power of two, at most 16).
  void* allocate(std::size_t size, std::size_t alignment);
  // A copy of `text` that lives as long as the arena.
  std::string_view copy(std::string_view text);

 private:
  static constexpr std::size_t kBlockSize = 1 << 16;
  std::vector<std::unique_ptr<std::max_align_t[]>> blocks_;
  char* next_ = nullptr;
  std::size_t left_ = 0;
};

}  // namespace kestrel
