// A dictionary of words, searched without regard to the case of ASCII
// letters. Names are unique under that rule. The dictionary makes and owns
// its words; they and their names lie in an arena in definition order.
//
// How it stays fast in a program of a million words, where the table and
// the words outgrow the processor's caches and every slot looked at is a
// random access to memory: find() hashes the name and probes an
// open-addressing table of 8-byte slots (hash and arena reference), looking
// at a word only when its hash matches. define() must first learn that the
// name is new, which is nearly every time: a Bloom filter over all names
// says so without a look at the table. A new word then waits in a batch of
// 64 that enters the table at once, the loads of their slots overlapping.
// The table and, once large, the arena lie in huge pages (large_block.h).
// Each of these was measured on its own (bench/README.md); other devices
// that were tried there did not pay and are gone.
#pragma once

#include <array>
#include <cstdint>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include "reader/arena.h"
#include "reader/large_block.h"
#include "reader/word.h"

namespace kestrel {

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
    std::uint32_t hash = foldedHash(name);
    if (contains(name, hash)) return nullptr;
    auto [word, ref] = make<T>(name, std::forward<Args>(args)...);
    enter(word, hash, ref);
    return word;
  }
  // Makes a word of kind T named `name` that takes the place of `old`, the
  // word of that name here: finding the name gives the new word from now
  // on, and the old one lives on until the dictionary ends. Returns the new
  // word, the most recent definition.
  template <class T, class... Args>
  T* replace(Word* old, std::string_view name, Args&&... args) {
    auto [word, ref] = make<T>(name, std::forward<Args>(args)...);
    repoint(old, ref);
    mostRecent_ = word;
    return word;
  }
  std::size_t count() const { return count_; }

  Word* mostRecent() const { return mostRecent_; }

 private:
  // Makes a word of kind T in the arena, with its name copied there.
  template <class T, class... Args>
  std::pair<T*, Arena::Ref> make(std::string_view name, Args&&... args) {
    static_assert(sizeof(T) <= Arena::kMaxReferenced && alignof(T) <= 8);
    std::string_view kept = arena_.copy(name);
    Arena::Referenced place = arena_.allocateReferenced(sizeof(T));
    return {new (place.memory) T(kept, std::forward<Args>(args)...), place.ref};
  }
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
  // The slot, in the table or the batch, that holds `word`; nullptr if none.
  Slot* slotOf(const Word* word);
  // Makes the slot of `old` hold the word at `ref` instead.
  void repoint(Word* old, Arena::Ref ref);
  // Puts a word known to be new into the first free slot from its home.
  void place(const Slot& slot);
  void grow();

  LargeArray<Slot> slots_;  // a power of two in size, at most seven eighths full
  std::vector<std::uint64_t> filter_;
  static constexpr std::size_t kBatchSize = 64;
  std::array<Slot, kBatchSize> batch_{};
  std::size_t batchCount_ = 0;
  std::size_t count_ = 0;
  Arena arena_;
  std::vector<Word*> replaced_;  // words that another took the place of
  Word* mostRecent_ = nullptr;
};

}  // namespace kestrel
