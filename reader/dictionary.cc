#include "reader/dictionary.h"

#include "reader/text.h"

namespace kestrel {

std::uint32_t foldedHash(std::string_view name) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : name) {
    hash ^= foldCase(static_cast<unsigned char>(c));
    hash *= 16777619u;
  }
  return hash;
}

Dictionary::Dictionary() : slots_(128) {}

Dictionary::~Dictionary() {
  for (Word* word : words_) word->~Word();  // the arena frees the memory
}

std::size_t Dictionary::slotFor(std::string_view name, std::uint32_t hash) const {
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.index == 0) return i;
    if (slot.hash == hash && equalsNoCase(wordAt(slot)->name(), name)) return i;
  }
}

void Dictionary::prefetch(std::string_view name) const {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(&slots_[foldedHash(name) & (slots_.size() - 1)]);
#else
  (void)name;
#endif
}

Word* Dictionary::find(std::string_view name) const {
  std::uint32_t hash = foldedHash(name);
  Recent& recent = recent_[hash % kRecentSize];
  if (recent.word != nullptr && recent.hash == hash && equalsNoCase(recent.word->name(), name)) {
    return recent.word;
  }
  const Slot& slot = slots_[slotFor(name, hash)];
  if (slot.index == 0) return nullptr;
  recent = {hash, wordAt(slot)};
  return recent.word;
}

void Dictionary::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.index == 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].index != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void Dictionary::enter(Word* word, std::uint32_t hash, std::size_t i) {
  recent_[hash % kRecentSize] = {hash, word};
  words_.push_back(word);
  slots_[i] = {hash, static_cast<std::uint32_t>(words_.size())};
  mostRecent_ = word;
  if (words_.size() * 4 > slots_.size() * 3) grow();
}

ValueWord* Dictionary::findByValue(std::int32_t value) const {
  if (value >= kLowestDirect && value <= kHighestDirect) {
    if (directPresent_.empty()) return nullptr;
    auto i = static_cast<std::size_t>(value - kLowestDirect);
    if ((directPresent_[i / 64] >> (i % 64) & 1) == 0) return nullptr;
    return directValues_[i];
  }
  auto it = otherValues_.find(value);
  return it == otherValues_.end() ? nullptr : it->second;
}

void Dictionary::addValueWord(ValueWord* word, std::int32_t value) {
  if (value >= kLowestDirect && value <= kHighestDirect) {
    constexpr std::size_t kDirectCount = kHighestDirect - kLowestDirect + 1;
    if (directValues_.empty()) {
      directValues_.resize(kDirectCount);
      directPresent_.resize((kDirectCount + 63) / 64);
    }
    auto i = static_cast<std::size_t>(value - kLowestDirect);
    if (directValues_[i] == nullptr) {
      directValues_[i] = word;
      directPresent_[i / 64] |= std::uint64_t{1} << (i % 64);
    }
  } else {
    otherValues_.try_emplace(value, word);
  }
}

}  // namespace kestrel
