#include "reader/dictionary.h"

#include "reader/text.h"

namespace kestrel {

Word* Dictionary::find(std::string_view name) const {
  foldInto(name, key_);
  auto it = words_.find(key_);
  return it == words_.end() ? nullptr : it->second.get();
}

Word* Dictionary::insert(std::unique_ptr<Word> word) {
  auto [it, inserted] = words_.try_emplace(folded(word->name()));
  if (!inserted) return nullptr;
  it->second = std::move(word);
  mostRecent_ = it->second.get();
  return mostRecent_;
}

ValueWord* Dictionary::findByValue(std::int32_t value) const {
  auto it = values_.find(value);
  return it == values_.end() ? nullptr : it->second;
}

void Dictionary::addValueWord(ValueWord* word, std::int32_t value) {
  values_.try_emplace(value, word);
}

}  // namespace kestrel
