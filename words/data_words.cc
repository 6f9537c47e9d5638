#include "words/data_words.h"

#include "codegen/asm_output.h"
#include "codegen/mangle.h"
#include "codegen/routine_block.h"
#include "reader/diagnostics.h"
#include "words/builtin_words.h"
#include "words/literal_words.h"
#include "words/run_state.h"
#include "words/target_words.h"

namespace kestrel {

namespace {

// Reads the name, places an area of `size` bytes in the first bank with
// room, writes its address line and defines the name as its address.
void allocateData(RunState& c, std::uint32_t size) {
  std::string name(c.tokens.next());
  auto value = c.banks.allocate(size);
  if (!value) c.fail("\nCan not allocate data structure.", kExitNoRoom);
  std::string label;
  Word* earlier = c.compileWords.find(name);
  if (earlier != nullptr && !c.isLibraryWord(earlier)) {
    label = mangle(name);  // a duplicate: the run ends at its definition
  } else {
    if (earlier != nullptr) c.keepLabelOf(earlier);  // a library word of the name
    // A data word of the value of an earlier one becomes its alias and
    // writes no routine of its own.
    bool aliased = c.values.find(*value) != nullptr;
    label = c.labels.assign(name, aliased ? LabelUse::kPointer : LabelUse::kRoutineAndPointer);
  }
  c.out.text("_").text(label).text("_PTR\tequ\t").hex(*value).endLine();
  defineConstant(c, name, *value, &label);
}

}  // namespace

void defineConstant(RunState& c, const std::string& name, std::int32_t value, const std::string* label) {
  if (ValueWord* earlier = defineValueWord(c, name, value, label)) {
    c.out.text("; ").text(name).text(" aliased to ").text(earlier->name()).endLine();
  } else {
    auto* word = static_cast<ValueWord*>(c.compileWords.mostRecent());
    writeBanner(c.out);
    writeHeader(c.out, kForthKind, name);
    writeLabel(c.out, word->label());
    compileTailLiteral(c, value);
    writeBanner(c.out);
  }
  c.define<HostConstant>(c.interpretWords, name, value);
}

namespace {

void constantWord(RunState& c) {
  std::string name(c.tokens.next());
  defineConstant(c, name, c.pop());
}

void cvariableWord(RunState& c) { allocateData(c, 1); }
void variableWord(RunState& c) { allocateData(c, 2); }
void twoVariableWord(RunState& c) { allocateData(c, 4); }

void arrayWord(RunState& c) {
  std::int32_t size = c.pop();
  c.out.text(";").hex(size).text(" bytes allocated to array.").endLine();
  allocateData(c, static_cast<std::uint32_t>(size));
}

}  // namespace

void registerDataWords(RunState& c) {
  enterWords(c, c.interpretWords,
             {{"constant", constantWord}, {"variable", variableWord}, {"cvariable", cvariableWord},
              {"2variable", twoVariableWord}, {"array", arrayWord}});
}

}  // namespace kestrel
