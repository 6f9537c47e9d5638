#include "stripper/routine_table.h"

namespace kestrel::strip {

LabelId LabelSet::intern(std::string_view text) {
  if (auto found = ids_.find(text); found != ids_.end()) return found->second;
  LabelId id = texts_.size();
  texts_.emplace_back(text);
  ids_.emplace(texts_.back(), id);
  return id;
}

std::optional<LabelId> LabelSet::find(std::string_view text) const {
  auto found = ids_.find(text);
  if (found == ids_.end()) return std::nullopt;
  return found->second;
}

}  // namespace kestrel::strip
