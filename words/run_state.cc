#include "words/run_state.h"

#include "reader/diagnostics.h"

namespace kestrel {

namespace {

std::string positioned(const SourceStack& sources, std::string_view message) {
  std::string text = sources.positionName();
  text.append("(").append(std::to_string(sources.positionLine())).append("):").append(message);
  return text;
}

}  // namespace

void RunState::fail(std::string_view message, int status) const {
  throw FatalError(positioned(sources, message), status);
}

void RunState::warn(std::string_view message) const {
  std::string text = positioned(sources, message);
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), errors);  // whole, NUL bytes too
}

void RunState::push(std::int32_t value) {
  if (!stack.push(value)) fail("Stack overflow!", kExitStack);
}

std::int32_t RunState::pop() {
  auto value = stack.pop();
  if (!value) fail("Stack underflow!", kExitStack);
  return *value;
}

void RunState::failDuplicate(std::string_view name) const {
  fail("Duplicate word: " + std::string(name), kExitBadWord);
}

Word* RunState::takeOverLibraryWord(Dictionary& dictionary, std::string_view name) {
  Word* old = dictionary.find(name);
  if (old == nullptr || !isLibraryWord(old)) failDuplicate(name);
  libraryWords.erase(old);
  if (&dictionary == &compileWords) keepLabelOf(old);
  return old;
}

void RunState::keepLabelOf(const Word* word) {
  if (auto* routine = dynamic_cast<const ColonWord*>(word)) labels.take(routine->label());
}

void RunState::refuseIfWritten(const FileId& input) {
  for (const WrittenFile& file : writtenFiles) {
    if (!sameFile(file.id, input)) continue;
    if (file.output != nullptr) file.output->discard();
    throwCannotOpen(file.name);
  }
}

}  // namespace kestrel
