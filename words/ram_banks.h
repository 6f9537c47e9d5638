// The four general-purpose RAM banks of the target, from which data words
// take their areas by first fit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kestrel {

struct RamBank {
  std::uint32_t next;   // address the next area placed here receives
  std::uint32_t limit;  // first address that may not be allocated
  std::uint32_t start;  // first address that may be allocated
};

class RamBanks {
 public:
  RamBanks();
  // Bank 0 ends where the stack area of `stackSize` bytes begins.
  void setStackSize(std::uint32_t stackSize) { banks_[0].limit = 256 - stackSize; }
  std::uint32_t stackAreaStart() const { return banks_[0].limit; }

  // Places an area of `size` bytes in the first bank (0 to 3) where it
  // ends at or below the limit; the result is bank * 256 + address.
  std::optional<std::int32_t> allocate(std::uint32_t size);

  const std::array<RamBank, 4>& banks() const { return banks_; }

 private:
  std::array<RamBank, 4> banks_;
};

}  // namespace kestrel
