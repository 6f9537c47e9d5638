// A dictionary of words, searched without regard to the case of ASCII
// letters. Names are unique under that rule. The dictionary owns its words.
//
// The value list maps each value that a value word introduced to that word;
// numbers compiled later with an equal value reference the word instead.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reader/word.h"

namespace kestrel {

class ValueWord;

class Dictionary {
 public:
  Dictionary();

  // The word whose name equals `name` (ignoring case), or nullptr.
  Word* find(std::string_view name) const;
  // Enters `word` and makes it the most recent definition; returns nullptr,
  // entering nothing, when the name is already present.
  Word* insert(std::unique_ptr<Word> word);
  std::size_t count() const { return words_.size(); }

  Word* mostRecent() const { return mostRecent_; }

  // Starts loading the table slot for `name`, so that a later insert of it
  // does not wait for memory.
  void prefetch(std::string_view name) const;

  ValueWord* findByValue(std::int32_t value) const;
  // Records `word` (owned by this or another dictionary) for its value,
  // unless a word already holds that value.
  void addValueWord(ValueWord* word, std::int32_t value);

 private:
  // An open-addressing table of 8-byte slots, small enough to stay mostly
  // in the processor's cache: a new name is placed by comparing hashes only,
  // and a word is looked at only when its hash matches.
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t index = 0;  // 1 + the word's position in words_; 0 when empty
  };
  Word* wordAt(const Slot& slot) const { return words_[slot.index - 1].get(); }
  // The slot that holds `name`, or the empty slot where it would go.
  std::size_t slotFor(std::string_view name, std::uint32_t hash) const;
  void grow();

  std::vector<Slot> slots_;  // a power of two in size, at most three quarters full
  // Recently found words, by hash: programs mostly use the words defined
  // shortly before, whose slots lie scattered over the whole table.
  static constexpr std::size_t kRecentSize = 1024;
  struct Recent {
    std::uint32_t hash = 0;
    Word* word = nullptr;
  };
  mutable std::array<Recent, kRecentSize> recent_{};
  std::vector<std::unique_ptr<Word>> words_;
  // Value words by value: the 16-bit range that constants and data
  // addresses take is indexed directly, anything else is hashed.
  static constexpr std::int32_t kLowestDirect = -32768;
  static constexpr std::int32_t kHighestDirect = 65535;
  std::vector<ValueWord*> directValues_;
  // One bit per direct value, set where directValues_ holds a word: most
  // numbers compiled have no word, and the bits stay in the cache.
  std::vector<std::uint64_t> directPresent_;
  std::unordered_map<std::int32_t, ValueWord*> otherValues_;
  Word* mostRecent_ = nullptr;
};

// The hash of a name with its ASCII letters folded to upper case.
std::uint32_t foldedHash(std::string_view name);

}  // namespace kestrel
