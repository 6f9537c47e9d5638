// A dictionary of words, searched without regard to the case of ASCII
// letters. Names are unique under that rule. The dictionary owns its words.
//
// The value list maps each value that a value word introduced to that word;
// numbers compiled later with an equal value reference the word instead.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "reader/word.h"

namespace kestrel {

class ValueWord;

class Dictionary {
 public:
  // The word whose name equals `name` (ignoring case), or nullptr.
  Word* find(std::string_view name) const;
  // Enters `word` and makes it the most recent definition; returns nullptr,
  // entering nothing, when the name is already present.
  Word* insert(std::unique_ptr<Word> word);
  std::size_t count() const { return words_.size(); }

  Word* mostRecent() const { return mostRecent_; }

  ValueWord* findByValue(std::int32_t value) const;
  // Records `word` (owned by this or another dictionary) for its value,
  // unless a word already holds that value.
  void addValueWord(ValueWord* word, std::int32_t value);

 private:
  std::unordered_map<std::string, std::unique_ptr<Word>> words_;  // by folded name
  std::unordered_map<std::int32_t, ValueWord*> values_;
  Word* mostRecent_ = nullptr;
  mutable std::string key_;  // scratch for folding lookup keys
};

}  // namespace kestrel
