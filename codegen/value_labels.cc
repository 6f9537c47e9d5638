#include "codegen/value_labels.h"

#include <cstring>

namespace kestrel {

void ValueLabels::add(std::int32_t value, std::string_view label) {
  if (value < kLowest || value > kHighest || label.empty() || label.size() > kMaxLabel) return;
  if (!entries_) {
    entries_.reset(new Entry[kCount]);
    present_.assign((kCount + 63) / 64, 0);
  }
  auto i = static_cast<std::size_t>(value - kLowest);
  std::uint64_t bit = std::uint64_t{1} << (i % 64);
  if ((present_[i / 64] & bit) != 0) return;
  std::memcpy(entries_[i].text, label.data(), label.size());
  entries_[i].size = static_cast<std::uint8_t>(label.size());
  present_[i / 64] |= bit;
}

}  // namespace kestrel
