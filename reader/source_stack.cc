#include "reader/source_stack.h"

namespace kestrel {

void SourceStack::push(std::unique_ptr<SourceFile> file) {
  if (!files_.empty()) files_.back()->suspend();
  files_.push_back(std::move(file));
}

bool SourceStack::pop() {
  files_.pop_back();
  return files_.empty() || files_.back()->resume();
}

}  // namespace kestrel
