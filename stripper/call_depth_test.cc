#include "stripper/call_depth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "stripper/removal.h"
#include "stripper/test_tables.h"

namespace kestrel::strip {
namespace {

using Depths = std::vector<std::size_t>;

// The memoised recursive definition, written the obvious way.
class RecursiveDepths {
 public:
  RecursiveDepths(const RoutineTable& table, const std::vector<bool>& kept)
      : table_(table), kept_(kept), depth_(table.routines.size(), 0), started_(table.routines.size(), false) {}

  Depths all() {
    Depths result(table_.routines.size(), 0);
    for (std::size_t i = 0; i < table_.routines.size(); ++i) {
      if (kept_[i]) result[i] = depthOf(i);
    }
    return result;
  }

 private:
  std::size_t depthOf(std::size_t routine) {
    if (started_[routine]) return depth_[routine];
    started_[routine] = true;
    depth_[routine] = 0;
    for (const Reference& reference : table_.referencesOf(routine)) {
      std::size_t target = firstKeptWithLabel(reference.target);
      if (target == table_.routines.size() || table_.routines[target].kind == RoutineKind::Other) continue;
      std::size_t d = depthOf(target);
      depth_[routine] = std::max(depth_[routine], reference.isCall ? d + 1 : d);
    }
    return depth_[routine];
  }

  std::size_t firstKeptWithLabel(LabelId label) const {
    for (std::size_t i = 0; i < table_.routines.size(); ++i) {
      if (kept_[i] && table_.routines[i].label == label) return i;
    }
    return table_.routines.size();
  }

  const RoutineTable& table_;
  const std::vector<bool>& kept_;
  Depths depth_;
  std::vector<bool> started_;
};

Depths depthsOfAll(const RoutineTable& table) {
  return computeCallDepths(table, std::vector<bool>(table.routines.size(), true));
}

TEST(CallDepthTest, RoutineMetAgainWhileComputedGivesItsValueSoFar) {
  // _a has reached 1 through _leaf when _b meets it again; _b gets 2 and _a
  // then 3. Computed in the other order the two values swap roles.
  RoutineTable aFirst =
      TableBuilder().routine("_a").calls("_leaf").calls("_b").routine("_b").calls("_a").routine("_leaf").build();
  EXPECT_EQ(depthsOfAll(aFirst), (Depths{3, 2, 0}));
  RoutineTable bFirst =
      TableBuilder().routine("_b").calls("_a").routine("_a").calls("_leaf").calls("_b").routine("_leaf").build();
  EXPECT_EQ(depthsOfAll(bFirst), (Depths{2, 1, 0}));
}

TEST(CallDepthTest, SelfRecursionSeesItsOwnValueSoFar) {
  EXPECT_EQ(depthsOfAll(TableBuilder().routine("_loop").calls("_loop").build()), (Depths{1}));
  // The second call meets _loop at 1 already.
  EXPECT_EQ(depthsOfAll(TableBuilder().routine("_loop").calls("_loop").calls("_loop").build()), (Depths{2}));
  EXPECT_EQ(depthsOfAll(TableBuilder().routine("_loop").jumpsTo("_loop").build()), (Depths{0}));
}

TEST(CallDepthTest, ReferenceResolvesToFirstKeptRoutineOfItsLabel) {
  RoutineTable table = TableBuilder()
                           .routine("_twin")
                           .calls("_leaf")
                           .routine("_twin", RoutineKind::Other)
                           .routine("_twin")
                           .root("_main")
                           .calls("_twin")
                           .routine("_leaf")
                           .build();
  EXPECT_EQ(computeCallDepths(table, {true, true, true, true, true}), (Depths{1, 0, 0, 2, 0}));
  // With the first one gone the OTHER twin comes first and stops the descent.
  EXPECT_EQ(computeCallDepths(table, {false, true, true, true, true}), (Depths{0, 0, 0, 0, 0}));
  EXPECT_EQ(computeCallDepths(table, {false, false, true, true, true}), (Depths{0, 0, 0, 1, 0}));
}

TEST(CallDepthTest, MillionLongCallChainNeedsNoDeepStack) {
  const std::size_t length = 1000000;
  TableBuilder builder;
  for (std::size_t i = 0; i < length; ++i) {
    builder.routine("_r" + std::to_string(i)).calls("_r" + std::to_string(i + 1));
  }
  builder.calls("_r0");  // closes the loop at the far end
  Depths depths = depthsOfAll(builder.build());
  ASSERT_EQ(depths.size(), length);
  EXPECT_EQ(depths.front(), length);
  EXPECT_EQ(depths[1], length - 1);
  EXPECT_EQ(depths.back(), 1u);
}

RoutineTable randomTable(std::mt19937& random) {
  std::uniform_int_distribution<int> routineCount(0, 14);
  std::uniform_int_distribution<int> labelPick(0, 11);
  std::uniform_int_distribution<int> kindPick(0, 3);
  std::uniform_int_distribution<int> referenceCount(0, 4);
  std::uniform_int_distribution<int> coin(0, 1);
  TableBuilder builder;
  for (int n = routineCount(random); n > 0; --n) {
    // Labels _r0 to _r7 may repeat; targets _r8 to _r11 name no routine.
    builder.routine("_r" + std::to_string(labelPick(random) % 8), static_cast<RoutineKind>(kindPick(random)));
    for (int r = referenceCount(random); r > 0; --r) {
      std::string target = "_r" + std::to_string(labelPick(random));
      if (coin(random)) {
        builder.calls(target);
      } else {
        builder.jumpsTo(target);
      }
    }
  }
  return builder.build();
}

TEST(CallDepthTest, AgreesWithRecursiveDefinitionOnRandomTables) {
  std::mt19937 random(1977);
  std::bernoulli_distribution keep(0.8);
  for (int round = 0; round < 20000; ++round) {
    RoutineTable table = randomTable(random);
    std::vector<bool> kept(table.routines.size());
    for (std::size_t i = 0; i < kept.size(); ++i) kept[i] = keep(random);
    ASSERT_EQ(computeCallDepths(table, kept), RecursiveDepths(table, kept).all()) << "round " << round;
  }
}

}  // namespace
}  // namespace kestrel::strip
