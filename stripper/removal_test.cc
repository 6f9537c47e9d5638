#include "stripper/removal.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "stripper/test_tables.h"

namespace kestrel::strip {
namespace {

using Kept = std::vector<bool>;

// The removal rule applied literally: passes over the table in order,
// removing at once, until a pass removes nothing.
Kept keptByRepeatedPasses(const RoutineTable& table) {
  const auto& routines = table.routines;
  Kept kept(routines.size(), true);
  auto isReferenced = [&](LabelId label) {
    for (std::size_t j = 0; j < routines.size(); ++j) {
      if (!kept[j]) continue;
      for (const Reference& reference : table.referencesOf(j)) {
        if (reference.target == label) return true;
      }
    }
    return false;
  };
  for (bool removedAny = true; removedAny;) {
    removedAny = false;
    for (std::size_t i = 0; i < routines.size(); ++i) {
      if (kept[i] && !routines[i].root && !isReferenced(routines[i].label)) {
        kept[i] = false;
        removedAny = true;
      }
    }
  }
  return kept;
}

TEST(RemovalTest, RemovalOfOneTwinDoesNotDecideTheOther) {
  // Only the second _x refers to _y, and _y refers back to _x: the twins keep
  // each other alive through _y.
  RoutineTable table = TableBuilder().routine("_x").routine("_x").calls("_y").routine("_y").calls("_x").build();
  EXPECT_EQ(findKeptRoutines(table), (Kept{true, true, true}));
}

RoutineTable randomTable(std::mt19937& random) {
  // Few labels for many routines, so duplicates and cycles are common; some
  // targets name no routine at all.
  std::uniform_int_distribution<int> routineCount(0, 12);
  std::uniform_int_distribution<int> labelPick(0, 9);
  std::uniform_int_distribution<int> referenceCount(0, 3);
  std::uniform_int_distribution<int> percent(0, 99);
  TableBuilder builder;
  for (int n = routineCount(random); n > 0; --n) {
    builder.routine("_r" + std::to_string(labelPick(random) % 7), RoutineKind::Forth, percent(random) < 15);
    for (int r = referenceCount(random); r > 0; --r) builder.calls("_r" + std::to_string(labelPick(random)));
  }
  return builder.build();
}

TEST(RemovalTest, AgreesWithRepeatedPassesOnRandomTables) {
  std::mt19937 random(20240607);
  for (int round = 0; round < 5000; ++round) {
    RoutineTable table = randomTable(random);
    ASSERT_EQ(findKeptRoutines(table), keptByRepeatedPasses(table)) << "round " << round;
  }
}

}  // namespace
}  // namespace kestrel::strip
