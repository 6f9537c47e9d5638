#include "stripper/routine_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel::strip {
namespace {

TEST(LabelSetTest, EqualTextsShareAnIdThroughGrowth) {
  // Many labels that differ only in their last characters, as counters make
  // them, and some that are prefixes of others; enough to grow the table
  // several times.
  LabelSet labels;
  std::vector<std::string> texts = {"", "_", "__endif", "__endif0x"};
  for (int i = 0; i < 40000; ++i) texts.push_back("__endif0x" + std::to_string(i));
  for (int i = 0; i < 256; ++i) texts.push_back(std::string("_z") + static_cast<char>(i));
  std::vector<LabelId> ids;
  for (const std::string& text : texts) ids.push_back(labels.intern(text));
  ASSERT_EQ(labels.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(ids[i], i);
    EXPECT_EQ(labels.text(ids[i]), texts[i]);
    EXPECT_EQ(labels.intern(texts[i]), ids[i]);
    EXPECT_EQ(labels.find(texts[i]), ids[i]);
  }
  EXPECT_EQ(labels.size(), texts.size());
  EXPECT_EQ(labels.find("__endif0x40000"), std::nullopt);
  EXPECT_EQ(labels.find("__endif0"), std::nullopt);
  EXPECT_EQ(labels.find(std::string(1, '\0')), std::nullopt);
}

TEST(LabelSetTest, EmptySetFindsNothing) {
  EXPECT_EQ(LabelSet().find("_main"), std::nullopt);
  EXPECT_EQ(LabelSet().find(""), std::nullopt);
}

TEST(TextStoreTest, KeptTextsStayIntact) {
  TextStore store;
  std::string big(3 * 1024 * 1024, 'b');
  std::vector<std::string_view> kept;
  std::vector<std::string> texts;
  for (int i = 0; i < 100000; ++i) {
    texts.push_back(i % 10000 == 0 ? big + std::to_string(i) : "name" + std::to_string(i));
    kept.push_back(store.keep(texts.back()));
  }
  for (std::size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(kept[i], texts[i]) << i;
  EXPECT_EQ(store.keep(""), "");
}

TEST(RoutineTableTest, ReferencesBelongToTheRoutineAddedBefore) {
  RoutineTable table;
  table.addRoutine("a", "_a", RoutineKind::Forth, false);
  table.addRoutine("b", "_b", RoutineKind::Code, true);
  table.addReference("_a", true);
  table.addReference("_x", false);
  table.addRoutine("c", "_a", RoutineKind::Other, false);
  table.addReference("_b", true);
  ASSERT_EQ(table.routines.size(), 3u);
  EXPECT_EQ(table.routines[2].label, table.routines[0].label);
  EXPECT_TRUE(table.referencesOf(0).empty());
  ASSERT_EQ(table.referencesOf(1).size(), 2u);
  EXPECT_EQ(table.labels.text(table.referencesOf(1)[1].target), "_x");
  EXPECT_FALSE(table.referencesOf(1)[1].isCall);
  ASSERT_EQ(table.referencesOf(2).size(), 1u);
  EXPECT_EQ(table.referencesOf(2)[0].target, table.routines[1].label);
  EXPECT_EQ(table.routines[1].name, "b");
}

}  // namespace
}  // namespace kestrel::strip
