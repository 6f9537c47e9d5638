#include "words/ram_banks.h"

namespace kestrel {

RamBanks::RamBanks()
    : banks_{{{0x26, 0x46, 0x26}, {0x20, 0x100, 0x20}, {0x20, 0x100, 0x20}, {0x20, 0x100, 0x20}}} {}

std::optional<std::int32_t> RamBanks::allocate(std::uint32_t size) {
  for (std::size_t b = 0; b < banks_.size(); ++b) {
    RamBank& bank = banks_[b];
    // Summed in 64 bits: a huge size (a negative one, too) fits nowhere.
    if (std::uint64_t{bank.next} + size <= bank.limit) {
      std::uint32_t address = bank.next;
      bank.next += size;
      return static_cast<std::int32_t>(b * 256 + address);
    }
  }
  return std::nullopt;
}

}  // namespace kestrel
