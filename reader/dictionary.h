// A dictionary of words, searched without regard to the case of ASCII
// letters. Names are unique under that rule. The dictionary makes and owns
// its words; they and their names lie in an arena in definition order.
//
// The value list maps each value that a value word introduced to that word;
// numbers compiled later with an equal value reference the word instead.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "reader/arena.h"
#include "reader/large_block.h"
#include "reader/word.h"

namespace kestrel {

class ValueWord;

// The hash of a name with its ASCII letters folded to upper case.
std::uint32_t foldedHash(std::string_view name);

class Dictionary {
 public:
  static constexpr std::size_t kSlotsPerFilterWord = 16;  // four bits per slot

  Dictionary();
  ~Dictionary();
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  // The word whose name equals `name` (ignoring case), or nullptr.
  Word* find(std::string_view name) const;
  // Makes a word of kind T named `name` (T's constructor takes the name and
  // then `args`), enters it and makes it the most recent definition; returns
  // nullptr, making nothing, when the name is already present.
  template <class T, class... Args>
  T* define(std::string_view name, Args&&... args) {
    static_assert(sizeof(T) <= Arena::kMaxReferenced && alignof(T) <= 8);
    std::uint32_t hash = foldedHash(name);
    if (contains(name, hash)) return nullptr;
    std::string_view kept = arena_.copy(name);
    Arena::Referenced place = arena_.allocateReferenced(sizeof(T));
    T* word = new (place.memory) T(kept, std::forward<Args>(args)...);
    enter(word, hash, place.ref);
    return word;
  }
  std::size_t count() const { return count_; }
  // Hints that a name of this hash may soon be defined: starts loading the
  // part of the filter that define() will look at, which in a large
  // program is a random access to memory.
  void prepareDefine(std::uint32_t hash) const;

  Word* mostRecent() const { return mostRecent_; }

  ValueWord* findByValue(std::int32_t value) const;
  // The label that came with the word of `value`, when it was kept: a
  // number compiled as a reference then needs no look at the word, which
  // in a large program lies anywhere in memory.
  std::optional<std::string_view> findLabelByValue(std::int32_t value) const {
    if (!isDirect(value) || directPresent_.empty()) return std::nullopt;
    auto i = static_cast<std::size_t>(value - kLowestDirect);
    if ((directPresent_[i / 64] >> (i % 64) & 1) == 0) return std::nullopt;
    const DirectLabel& label = directLabels_[i];
    if (label.size == 0) return std::nullopt;
    return std::string_view(label.text, label.size);
  }
  // Records `word` (owned by this or another dictionary) and its label for
  // its value, unless a word already holds that value. Labels of up to
  // kMaxDirectLabel characters of the direct range are kept.
  void addValueWord(ValueWord* word, std::int32_t value, std::string_view label);
  static constexpr std::size_t kMaxDirectLabel = 15;

 private:
  // Words live in an open-addressing table of 8-byte slots: a new name is
  // placed by comparing hashes only, and a word is looked at only when its
  // hash matches. In a large program every slot is a random memory access,
  // so new words wait in a batch that enters the table with the loads of
  // its slots overlapping, and a Bloom filter over every word tells nearly
  // every new name absent without a look at the table or the batch.
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t place = 0;  // 1 + the word's arena reference; 0 when empty
  };
  Word* wordAt(const Slot& slot) const { return static_cast<Word*>(arena_.at(slot.place - 1)); }
  bool contains(std::string_view name, std::uint32_t hash) const;
  Word* findInTable(std::string_view name, std::uint32_t hash) const;
  Word* findInBatch(std::string_view name, std::uint32_t hash) const;
  // False when no word has this hash; true may be wrong.
  bool mayContain(std::uint32_t hash) const;
  void addToFilter(std::uint32_t hash);
  // Records `word`, just made, as the newest definition.
  void enter(Word* word, std::uint32_t hash, Arena::Ref ref);
  void enterBatch();
  // Puts a word known to be new into the first free slot from its home.
  void place(const Slot& slot);
  void grow();

  LargeArray<Slot> slots_;  // a power of two in size, at most seven eighths full
  std::vector<std::uint64_t> filter_;
  static constexpr std::size_t kBatchSize = 64;
  std::array<Slot, kBatchSize> batch_{};
  std::size_t batchCount_ = 0;
  std::size_t count_ = 0;
  // Recently found words, by hash: programs mostly use the words defined
  // shortly before, whose slots lie scattered over the whole table.
  static constexpr std::size_t kRecentSize = 1024;
  struct Recent {
    std::uint32_t hash = 0;
    Word* word = nullptr;
  };
  mutable std::array<Recent, kRecentSize> recent_{};
  Arena arena_;
  // Value words by value: the 16-bit range that constants and data
  // addresses take is indexed directly, anything else is hashed.
  static constexpr std::int32_t kLowestDirect = -32768;
  static constexpr std::int32_t kHighestDirect = 65535;
  static constexpr std::size_t kDirectCount = kHighestDirect - kLowestDirect + 1;
  static bool isDirect(std::int32_t value) { return value >= kLowestDirect && value <= kHighestDirect; }
  // One bit per direct value, set where a word holds it: most numbers
  // compiled have no word, and the bits stay in the cache. The arrays are
  // left uninitialised; only entries whose bit is set are read, so a
  // program touches the pages of the values it uses and no others.
  std::vector<std::uint64_t> directPresent_;
  std::unique_ptr<ValueWord*[]> directWords_;
  struct DirectLabel {  // one cache line holds four
    char text[kMaxDirectLabel];
    std::uint8_t size;  // 0: not kept
  };
  std::unique_ptr<DirectLabel[]> directLabels_;
  std::unordered_map<std::int32_t, ValueWord*> otherValues_;
  Word* mostRecent_ = nullptr;
};


}  // namespace kestrel
