#include "stripper/routine_table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#if defined(_MSC_VER) && !defined(__clang__) && (defined(_M_X64) || defined(_M_IX86))
#include <xmmintrin.h>
#define KSTRIP_MM_PREFETCH 1
#endif

namespace kestrel::strip {

namespace {

constexpr std::size_t kTextBlockSize = 1024 * 1024;
constexpr std::size_t kInitialSlots = 1024;

void prefetchForWriting(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address, 1);
#elif defined(KSTRIP_MM_PREFETCH)
  _mm_prefetch(static_cast<const char*>(address), _MM_HINT_T0);
#else
  (void)address;
#endif
}

}  // namespace

namespace {

// Eight bytes at a time, mixed by multiplication; the high half of the last
// product, which depends on every byte, is the hash.
std::uint32_t hashBytes(std::string_view text) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t mixed = (text.size() + 1) * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    mixed = (mixed ^ word) * kMultiplier;
    mixed ^= mixed >> 32;
  }
  std::uint64_t last = 0;
  if (at < text.size()) std::memcpy(&last, text.data() + at, text.size() - at);
  mixed = (mixed ^ last) * kMultiplier;
  return static_cast<std::uint32_t>(mixed >> 32);
}

}  // namespace

std::uint32_t LabelSet::hash(std::string_view text) {
  if (text.empty()) return hashBytes(text) & ~0xFFu;
  std::uint32_t last = static_cast<unsigned char>(text.back());
  return (hashBytes(text.substr(0, text.size() - 1)) & ~0xFFu) | last;
}

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

// The 24 bits of the stem pick a place in the table, in the order of their
// values; the last character moves the start from there by two slots per
// value of its low six bits, which leaves room between neighbours.
std::size_t LabelSet::firstSlot(std::uint32_t textHash) const {
  std::uint64_t stem = textHash >> 8;
  std::size_t place = static_cast<std::size_t>((stem * slots_.size()) >> 24);
  return (place + 2 * (textHash & 63)) & (slots_.size() - 1);
}

std::size_t LabelSet::slotFor(std::string_view text, std::uint32_t textHash) const {
  std::size_t mask = slots_.size() - 1;
  for (std::size_t at = firstSlot(textHash);; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.id == kEmpty || (slot.hash == textHash && texts_[slot.id] == text)) return at;
  }
}

// The old slots are taken in order, so their new places mostly are too.
void LabelSet::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? kInitialSlots : old.size() * 2, Slot{0, kEmpty});
  std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.id == kEmpty) continue;
    std::size_t at = firstSlot(slot.hash);
    while (slots_[at].id != kEmpty) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

LabelId LabelSet::intern(std::string_view text, std::uint32_t textHash) {
  if ((texts_.size() + 1) * 4 > slots_.size() * 3) grow();
  Slot& slot = slots_[slotFor(text, textHash)];
  if (slot.id != kEmpty) return slot.id;
  if (texts_.size() == kMaxLabels) throw std::length_error("too many labels");
  slot = Slot{textHash, static_cast<LabelId>(texts_.size())};
  texts_.push_back(store_.keep(text));
  return slot.id;
}

void LabelSet::prefetch(std::uint32_t textHash) const {
  if (!slots_.empty()) prefetchForWriting(&slots_[firstSlot(textHash)]);
}

std::optional<LabelId> LabelSet::find(std::string_view text) const {
  if (slots_.empty()) return std::nullopt;
  const Slot& slot = slots_[slotFor(text, hash(text))];
  if (slot.id == kEmpty) return std::nullopt;
  return slot.id;
}

void RoutineTable::addRoutine(std::string_view name, LabelId label, RoutineKind kind, bool root) {
  if (routines.size() == kMaxRoutines) throw std::length_error("too many routines");
  routines.push_back(Routine{names.keep(name), label, kind, root, references.size()});
}

void RoutineTable::addReference(LabelId target, bool isCall) {
  if (references.size() == kMaxReferences) throw std::length_error("too many references");
  references.push_back(Reference{target, isCall});
}

std::span<const Reference> RoutineTable::referencesOf(std::size_t routine) const {
  std::size_t end = routine + 1 < routines.size() ? routines[routine + 1].firstReference : references.size();
  return std::span<const Reference>(references).subspan(routines[routine].firstReference,
                                                        end - routines[routine].firstReference);
}

}  // namespace kestrel::strip
