#include "reader/arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kestrel {
namespace {

// Blocks of varied size and alignment, some larger than an arena block:
// each is aligned, and none overlaps another (each keeps its own pattern).
TEST(ArenaTest, AllocationsAreAlignedAndSeparate) {
  Arena arena;
  struct Piece {
    unsigned char* bytes;
    std::size_t size;
  };
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i < 5000; ++i) {
    std::size_t size = i % 97 == 0 ? 100000 + i : i % 89 == 0 ? 16000 : 1 + i % 61;
    std::size_t alignment = std::size_t{1} << (i % 5);
    auto* bytes = static_cast<unsigned char*>(arena.allocate(size, alignment));
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % alignment, 0u);
    std::memset(bytes, static_cast<int>(i & 255), size);
    pieces.push_back({bytes, size});
  }
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    for (std::size_t k = 0; k < pieces[i].size; ++k) ASSERT_EQ(pieces[i].bytes[k], i & 255) << i;
  }
}

// References lead back to their memory across many blocks (26 MB, so also
// blocks cut from huge-page chunks), also when large requests with blocks of
// their own come in between; no two places overlap.
TEST(ArenaTest, ReferencesFindTheirMemory) {
  Arena arena;
  std::vector<Arena::Referenced> placed;
  auto sizeOf = [](std::size_t i) { return 8 + i % Arena::kMaxReferenced; };
  for (std::size_t i = 0; i < 50000; ++i) {
    if (i % 1000 == 0) arena.allocate(100000, 8);
    if (i % 3 == 0) arena.copy("odd");
    placed.push_back(arena.allocateReferenced(sizeOf(i)));
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(placed.back().memory) % 8, 0u);
    std::memset(placed.back().memory, static_cast<int>(i & 255), sizeOf(i));
  }
  for (std::size_t i = 0; i < placed.size(); ++i) {
    ASSERT_EQ(arena.at(placed[i].ref), placed[i].memory);
    auto* bytes = static_cast<unsigned char*>(placed[i].memory);
    for (std::size_t k = 0; k < sizeOf(i); ++k) ASSERT_EQ(bytes[k], i & 255) << i;
  }
}

TEST(ArenaTest, CopyKeepsTheText) {
  Arena arena;
  std::string text = std::string("dup\0swap", 8) + std::string(70000, 'z');
  std::string_view kept = arena.copy(text);
  EXPECT_NE(kept.data(), text.data());
  text.assign(text.size(), '?');
  EXPECT_EQ(kept.substr(0, 3), "dup");
  EXPECT_EQ(kept.size(), 70008u);
  // An empty name is still text: code that copies it with memcpy must not
  // get a null pointer.
  std::string_view empty = arena.copy("");
  EXPECT_EQ(empty.size(), 0u);
  EXPECT_NE(empty.data(), nullptr);
}

}  // namespace
}  // namespace kestrel
