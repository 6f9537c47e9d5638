#include "reader/large_block.h"

#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace kestrel {

void LargeBlockDeleter::operator()(std::byte* block) const {
  ::operator delete(block, std::align_val_t{alignment});
}

LargeBlock allocateLargeBlock(std::size_t bytes, bool zeroed) {
  bool huge = bytes >= kHugePageSize;
  std::size_t alignment = huge ? kHugePageSize : alignof(std::max_align_t);
  void* block = ::operator new(bytes == 0 ? 1 : bytes, std::align_val_t{alignment});
#ifdef __linux__
  // Only a hint: where huge pages are not to be had, this fails harmlessly.
  if (huge) madvise(block, bytes, MADV_HUGEPAGE);
#endif
  if (zeroed) std::memset(block, 0, bytes);  // after the advice, so that the pages come huge
  return LargeBlock(static_cast<std::byte*>(block), LargeBlockDeleter{alignment});
}

}  // namespace kestrel
