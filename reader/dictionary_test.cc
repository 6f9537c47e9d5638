#include "reader/dictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "reader/text.h"

namespace kestrel {
namespace {

// Two kinds of word of different sizes, as the compiler's own kinds are.
class PlainWord : public Word {
 public:
  using Word::Word;
  void execute(RunState&) override {}
};

class NumberWord : public Word {
 public:
  NumberWord(std::string_view name, std::int32_t number) : Word(name), number(number) {}
  void execute(RunState&) override {}
  std::int32_t number;
};

TEST(DictionaryTest, FindsNamesInAnyLetterCaseAndRefusesDuplicates) {
  Dictionary words;
  EXPECT_EQ(words.find("dup"), nullptr);
  Word* dup = words.define<PlainWord>("dup");
  ASSERT_NE(dup, nullptr);
  EXPECT_EQ(words.find("dUp"), dup);
  EXPECT_EQ(words.mostRecent(), dup);
  EXPECT_EQ(words.define<PlainWord>("DUP"), nullptr);
  EXPECT_EQ(words.mostRecent(), dup);
  EXPECT_EQ(words.count(), 1u);
  EXPECT_EQ(words.find("du"), nullptr);
  EXPECT_EQ(words.find("dupe"), nullptr);
  // Only ASCII letters fold.
  words.define<PlainWord>("\xe9");
  EXPECT_EQ(words.find("\xc9"), nullptr);
}

// Names are copied in: the text a word was defined from may be gone. Many
// words make the table grow and fill many arena blocks.
TEST(DictionaryTest, KeepsEveryNameThroughGrowth) {
  Dictionary words;
  std::vector<Word*> made;
  for (int i = 0; i < 100000; ++i) {
    std::string name = (i % 2 ? "Word-" : "w") + std::to_string(i) + std::string(static_cast<std::size_t>(i % 50), 'x');
    made.push_back(i % 3 ? static_cast<Word*>(words.define<PlainWord>(name))
                         : static_cast<Word*>(words.define<NumberWord>(name, i)));
    ASSERT_NE(made.back(), nullptr);
    name.assign(name.size(), '?');  // the caller's text changes
  }
  EXPECT_EQ(words.count(), 100000u);
  for (int i = 0; i < 100000; ++i) {
    std::string name = (i % 2 ? "WORD-" : "W") + std::to_string(i) + std::string(static_cast<std::size_t>(i % 50), 'X');
    ASSERT_EQ(words.find(name), made[static_cast<std::size_t>(i)]) << name;
    EXPECT_TRUE(equalsNoCase(made[static_cast<std::size_t>(i)]->name(), name));
  }
  EXPECT_EQ(static_cast<NumberWord*>(made[99999])->number, 99999);
  // Every name is refused again, whether its word has reached the table or
  // still waits among the newest ones.
  for (int i = 0; i < 100000; i += i < 99900 ? 7 : 1) {
    std::string name = (i % 2 ? "WORD-" : "W") + std::to_string(i) + std::string(static_cast<std::size_t>(i % 50), 'X');
    ASSERT_EQ(words.define<PlainWord>(name), nullptr) << name;
  }
  EXPECT_EQ(words.count(), 100000u);
  EXPECT_EQ(words.mostRecent(), made.back());
}

// Two names of equal hash stay apart, in the batch and in the table.
TEST(DictionaryTest, NamesOfEqualHashStayApart) {
  std::unordered_map<std::uint32_t, std::string> seen;
  std::vector<std::string> pair;
  for (int i = 0; pair.empty() && i < 2000000; ++i) {
    std::string name = "n" + std::to_string(i);
    auto [it, added] = seen.try_emplace(foldedHash(name), name);
    if (!added) pair = {it->second, name};
  }
  ASSERT_EQ(pair.size(), 2u);
  for (int padding : {0, 1000}) {
    Dictionary words;
    Word* first = words.define<PlainWord>(pair[0]);
    for (int i = 0; i < padding; ++i) words.define<PlainWord>("pad" + std::to_string(i));
    Word* second = words.define<PlainWord>(pair[1]);
    ASSERT_NE(second, nullptr);
    for (int i = 0; i < padding; ++i) words.define<PlainWord>("more" + std::to_string(i));
    EXPECT_EQ(words.find(pair[0]), first);
    EXPECT_EQ(words.find(pair[1]), second);
    EXPECT_EQ(words.define<PlainWord>(pair[1]), nullptr);
  }
}

// A word that counts its destructions.
class CountedWord : public Word {
 public:
  CountedWord(std::string_view name, int* destroyed) : Word(name), destroyed_(destroyed) {}
  ~CountedWord() override { ++*destroyed_; }
  void execute(RunState&) override {}

 private:
  int* destroyed_;
};

// A replaced name finds the new word, whether the old one still waited
// among the newest words or had reached the table, also after the table
// grows; the old word stays readable, and every word is destroyed once.
TEST(DictionaryTest, ReplacedNameFindsTheNewWordAndTheOldOneLivesOn) {
  int destroyed = 0;
  {
    Dictionary words;
    Word* early = words.define<CountedWord>("early", &destroyed);
    for (int i = 0; i < 500; ++i) words.define<CountedWord>("w" + std::to_string(i), &destroyed);
    Word* late = words.define<CountedWord>("late", &destroyed);
    Word* newEarly = words.replace<CountedWord>(early, "EARLY", &destroyed);
    Word* newLate = words.replace<CountedWord>(late, "late", &destroyed);
    EXPECT_EQ(words.mostRecent(), newLate);
    EXPECT_EQ(words.count(), 502u);
    for (int i = 500; i < 20000; ++i) words.define<CountedWord>("w" + std::to_string(i), &destroyed);
    EXPECT_EQ(words.find("early"), newEarly);
    EXPECT_EQ(words.find("LATE"), newLate);
    EXPECT_EQ(early->name(), "early");
    EXPECT_EQ(newEarly->name(), "EARLY");
    EXPECT_EQ(words.define<CountedWord>("late", &destroyed), nullptr);
    EXPECT_EQ(destroyed, 0);
  }
  EXPECT_EQ(destroyed, 20000 + 2 + 2);
}

}  // namespace
}  // namespace kestrel
