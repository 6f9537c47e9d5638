// The interpreter data stack: 100 signed 32-bit cells on which the words run
// at compile time take and leave numbers. It only reports success or failure;
// the compiler turns a failure into its diagnostic.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kestrel {

class InterpretStack {
 public:
  static constexpr int kCapacity = 100;

  bool push(std::int32_t value) {
    if (depth_ == kCapacity) return false;
    cells_[depth_++] = value;
    return true;
  }
  std::optional<std::int32_t> pop() {
    if (depth_ == 0) return std::nullopt;
    return cells_[--depth_];
  }
  int depth() const { return depth_; }

 private:
  std::array<std::int32_t, kCapacity> cells_{};
  int depth_ = 0;
};

}  // namespace kestrel
