// The labels of value words by value, for the 16-bit range that constants
// and data addresses take. A number that equals a value word's value
// compiles as a reference to that word; in a large program the word lies
// anywhere in memory, while this table keeps each short label in one
// 16-byte entry found by indexing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kestrel {

class ValueLabels {
 public:
  static constexpr std::int32_t kLowest = -32768;
  static constexpr std::int32_t kHighest = 65535;
  static constexpr std::size_t kMaxLabel = 15;

  // Records `label` for `value` unless a label is recorded for it already.
  // Values outside the range and labels that are empty or longer than
  // kMaxLabel are not recorded.
  void add(std::int32_t value, std::string_view label);
  std::optional<std::string_view> find(std::int32_t value) const {
    if (value < kLowest || value > kHighest || present_.empty()) return std::nullopt;
    auto i = static_cast<std::size_t>(value - kLowest);
    if ((present_[i / 64] >> (i % 64) & 1) == 0) return std::nullopt;
    const Entry& entry = entries_[i];
    return std::string_view(entry.text, entry.size);
  }

 private:
  struct Entry {
    char text[kMaxLabel];
    std::uint8_t size;
  };
  static constexpr std::size_t kCount = kHighest - kLowest + 1;
  // Left uninitialised: only entries marked present are ever read, so a
  // program touches the pages of the values it uses and no others.
  std::unique_ptr<Entry[]> entries_;
  std::vector<std::uint64_t> present_;
};

}  // namespace kestrel
