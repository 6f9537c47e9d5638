#include "stripper/routine_table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace kestrel::strip {

namespace {

constexpr std::size_t kTextBlockSize = 1024 * 1024;
constexpr std::size_t kInitialSlots = 1024;

// Eight bytes at a time, mixed by multiplication; the high half of the last
// product, which depends on every byte, is the hash.
std::uint32_t hashText(std::string_view text) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = (text.size() + 1) * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 32;
  }
  std::uint64_t last = 0;
  if (at < text.size()) std::memcpy(&last, text.data() + at, text.size() - at);
  hash = (hash ^ last) * kMultiplier;
  return static_cast<std::uint32_t>(hash >> 32);
}

}  // namespace

std::string_view TextStore::keep(std::string_view text) {
  if (text.empty()) return {};
  if (blocks_.empty() || blocks_.back().size - blocks_.back().used < text.size()) {
    std::size_t size = std::max(kTextBlockSize, text.size());
    blocks_.push_back(Block{std::make_unique_for_overwrite<char[]>(size), size, 0});
  }
  Block& block = blocks_.back();
  char* copy = block.data.get() + block.used;
  std::memcpy(copy, text.data(), text.size());
  block.used += text.size();
  return std::string_view(copy, text.size());
}

std::size_t LabelSet::slotFor(std::string_view text, std::uint32_t hash) const {
  std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.id == kEmpty || (slot.hash == hash && texts_[slot.id] == text)) return at;
  }
}

void LabelSet::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? kInitialSlots : old.size() * 2, Slot{0, kEmpty});
  std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.id == kEmpty) continue;
    std::size_t at = slot.hash & mask;
    while (slots_[at].id != kEmpty) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

LabelId LabelSet::intern(std::string_view text) {
  if ((texts_.size() + 1) * 4 > slots_.size() * 3) grow();
  std::uint32_t hash = hashText(text);
  Slot& slot = slots_[slotFor(text, hash)];
  if (slot.id != kEmpty) return slot.id;
  if (texts_.size() == kMaxLabels) throw std::length_error("too many labels");
  slot = Slot{hash, static_cast<LabelId>(texts_.size())};
  texts_.push_back(store_.keep(text));
  return slot.id;
}

std::optional<LabelId> LabelSet::find(std::string_view text) const {
  if (slots_.empty()) return std::nullopt;
  const Slot& slot = slots_[slotFor(text, hashText(text))];
  if (slot.id == kEmpty) return std::nullopt;
  return slot.id;
}

void RoutineTable::addRoutine(std::string_view name, std::string_view label, RoutineKind kind, bool root) {
  routines.push_back(Routine{names.keep(name), labels.intern(label), kind, root, references.size()});
}

void RoutineTable::addReference(std::string_view target, bool isCall) {
  references.push_back(Reference{labels.intern(target), isCall});
}

std::span<const Reference> RoutineTable::referencesOf(std::size_t routine) const {
  std::size_t end = routine + 1 < routines.size() ? routines[routine + 1].firstReference : references.size();
  return std::span<const Reference>(references).subspan(routines[routine].firstReference,
                                                        end - routines[routine].firstReference);
}

}  // namespace kestrel::strip
