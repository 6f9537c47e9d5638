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

Dictionary::Dictionary() : slots_(128), filter_(slots_.size() / kSlotsPerFilterWord) {}

Dictionary::~Dictionary() {
  // Every word is in the table or the batch; the arena frees the memory.
  for (const Slot& slot : slots_) {
    if (slot.place != 0) wordAt(slot)->~Word();
  }
  for (std::size_t i = 0; i < batchCount_; ++i) wordAt(batch_[i])->~Word();
  for (Word* word : replaced_) word->~Word();
}

Dictionary::Slot* Dictionary::slotOf(const Word* word) {
  std::uint32_t hash = foldedHash(word->name());
  for (std::size_t i = 0; i < batchCount_; ++i) {
    if (batch_[i].hash == hash && wordAt(batch_[i]) == word) return &batch_[i];
  }
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].place != 0; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && wordAt(slots_[i]) == word) return &slots_[i];
  }
  return nullptr;
}

void Dictionary::repoint(Word* old, Arena::Ref ref) {
  slotOf(old)->place = ref + 1;  // old was found here, so it has a slot
  replaced_.push_back(old);
}

Word* Dictionary::findInTable(std::string_view name, std::uint32_t hash) const {
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.place == 0) return nullptr;
    if (slot.hash == hash && equalsNoCase(wordAt(slot)->name(), name)) return wordAt(slot);
  }
}

Word* Dictionary::findInBatch(std::string_view name, std::uint32_t hash) const {
  for (std::size_t i = 0; i < batchCount_; ++i) {
    if (batch_[i].hash == hash && equalsNoCase(wordAt(batch_[i])->name(), name)) return wordAt(batch_[i]);
  }
  return nullptr;
}

namespace {

// The filter word and the three bits in it for a hash. A filter word
// stands for the sixteen table slots that share its place, so that names
// whose slots lie close together (similar names do) share filter words and
// a growing table rebuilds its filter in order; the bits come from other
// parts of the hash.
struct FilterBits {
  std::size_t word;
  std::uint64_t bits;
};

FilterBits filterBits(std::uint32_t hash, std::size_t words) {
  std::uint64_t mixed = hash * 0x9E3779B97F4A7C15u;
  std::uint64_t bits = (std::uint64_t{1} << (mixed >> 58)) | (std::uint64_t{1} << ((mixed >> 52) & 63)) |
                       (std::uint64_t{1} << ((mixed >> 46) & 63));
  return {(hash / Dictionary::kSlotsPerFilterWord) & (words - 1), bits};
}

}  // namespace

bool Dictionary::mayContain(std::uint32_t hash) const {
  FilterBits f = filterBits(hash, filter_.size());
  return (filter_[f.word] & f.bits) == f.bits;
}

void Dictionary::addToFilter(std::uint32_t hash) {
  FilterBits f = filterBits(hash, filter_.size());
  filter_[f.word] |= f.bits;
}

bool Dictionary::contains(std::string_view name, std::uint32_t hash) const {
  return mayContain(hash) && (findInBatch(name, hash) != nullptr || findInTable(name, hash) != nullptr);
}

Word* Dictionary::find(std::string_view name) const {
  std::uint32_t hash = foldedHash(name);
  Word* word = findInTable(name, hash);
  return word != nullptr ? word : findInBatch(name, hash);
}

void Dictionary::enter(Word* word, std::uint32_t hash, Arena::Ref ref) {
  batch_[batchCount_++] = {hash, ref + 1};
  addToFilter(hash);
  ++count_;
  mostRecent_ = word;
  if (batchCount_ == kBatchSize) enterBatch();
}

void Dictionary::enterBatch() {
  while (count_ * 8 > slots_.size() * 7) grow();
#if defined(__GNUC__) || defined(__clang__)
  std::size_t mask = slots_.size() - 1;
  for (std::size_t k = 0; k < batchCount_; ++k) __builtin_prefetch(&slots_[batch_[k].hash & mask]);
#endif
  for (std::size_t k = 0; k < batchCount_; ++k) place(batch_[k]);
  batchCount_ = 0;
}

void Dictionary::place(const Slot& slot) {
  std::size_t mask = slots_.size() - 1;
  std::size_t i = slot.hash & mask;
  while (slots_[i].place != 0) i = (i + 1) & mask;
  slots_[i] = slot;
}

void Dictionary::grow() {
  LargeArray<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  filter_.assign(slots_.size() / kSlotsPerFilterWord, 0);
  for (const Slot& slot : old) {
    if (slot.place == 0) continue;
    place(slot);
    addToFilter(slot.hash);
  }
  for (std::size_t k = 0; k < batchCount_; ++k) addToFilter(batch_[k].hash);
}

}  // namespace kestrel
