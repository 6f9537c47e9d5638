#include "driver/compiler.h"

#include <cinttypes>
#include <ctime>
#include <filesystem>

#include "codegen/interrupts.h"
#include "codegen/return_table.h"
#include "codegen/routine_block.h"
#include "driver/options.h"
#include "reader/diagnostics.h"
#include "reader/include_path.h"
#include "words/builtin_words.h"
#include "words/interpreter.h"

namespace kestrel {

namespace {

constexpr const char* kBanner = "KESTREL target compiler for PIC17CXX v0.10.12";

// Processor time in hundredths of a second.
std::int64_t clockTicks() {
  return static_cast<std::int64_t>(std::clock()) * 100 / CLOCKS_PER_SEC;
}

// Reads a whole text file (opened in text mode, so line ends read as the
// host's own).
std::string readFile(std::FILE* in) {
  std::string text;
  char chunk[1 << 14];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) text.append(chunk, got);
  return text;
}

}  // namespace

Compiler::Compiler(std::FILE* console, std::FILE* errors) : state_(console, errors) {}

int Compiler::run(const std::vector<std::string>& args, const char* includeEnv) {
  try {
    std::fprintf(state_.console, "\n%s\n\n", kBanner);
    if (args.empty()) throw FatalError(kUsageText, kExitCannotOpen);
    startUp(args, includeEnv);
    std::int64_t started = clockTicks();
    processFile(state_, state_.settings.inputName);
    auto milliseconds = static_cast<std::uint32_t>((clockTicks() - started) * 10);
    complete(milliseconds);
    std::fflush(state_.console);
    return kExitOk;
  } catch (const FatalError& error) {
    return endWithError(error.message(), error.status());
  } catch (const std::bad_alloc&) {
    return endWithError("Out of memory.", kExitCannotOpen);
  }
}

// What was written before the error stays in the files, as they were when
// it struck.
int Compiler::endWithError(const std::string& message, int status) {
  closeFiles();
  std::fflush(state_.console);
  std::fwrite(message.data(), 1, message.size(), state_.errors);  // whole, NUL bytes too
  std::fputc('\n', state_.errors);
  std::fflush(state_.errors);
  return status;
}

void Compiler::startUp(const std::vector<std::string>& args, const char* includeEnv) {
  CommandLine line = parseCommandLine(args, includePathFromEnvironment(includeEnv));
  switch (line.problem) {
    case CommandLine::Problem::kMissingValue: throw FatalError(kUsageText, kExitCannotOpen);
    case CommandLine::Problem::kStackTooBig: state_.fail("Stack too big, reduce size.", kExitLimit);
    case CommandLine::Problem::kStackTooSmall: state_.fail("Stack too small, increase size.", kExitLimit);
    case CommandLine::Problem::kRomStartOutOfRange: state_.fail("Rom string address out of range.", kExitLimit);
    case CommandLine::Problem::kNone: break;
  }
  state_.settings.includePath = line.includePath;
  state_.settings.inputName = line.inputName;
  state_.settings.outputName = line.outputName;
  state_.settings.speed = line.speed;
  state_.settings.longCalls = line.longCalls;
  if (line.stackSize) state_.banks.setStackSize(*line.stackSize);
  if (line.romStart) {
    state_.rom.enabled = true;
    state_.rom.start = state_.rom.next = *line.romStart;
  }

  refuseToReplaceInputs();
  if (!state_.out.open(state_.settings.outputName)) throwCannotOpen(state_.settings.outputName);
  writePrelude();
  if (state_.rom.enabled) openRomStringFiles();
  registerBuiltinWords(state_);
}

// No file the run writes may be one it reads: replacing it would destroy
// the program. Checked before anything is written, and again for every file
// that is opened to be read (see refuseIfWritten).
void Compiler::refuseToReplaceInputs() {
  state_.writtenFiles.clear();
  std::vector<std::pair<std::string, AsmOutput*>> targets = {{state_.settings.outputName, &state_.out}};
  if (state_.rom.enabled) {
    targets.insert(targets.end(), {{"strindex.inc", &state_.rom.index}, {"stringsp.f", &state_.rom.program},
                                   {"strbase.inc", nullptr}});
  }
  for (const auto& [target, output] : targets) {
    FileId id = fileIdOf(target);
    if (id.known) state_.writtenFiles.push_back({id, target, output});
  }
  for (const std::string& input :
       {findSource(state_.settings.inputName, state_.settings.includePath, state_.settings.libraryDir),
        findPrelude("kcomp.inc", state_.settings.includePath, state_.settings.libraryDir),
        findPrelude("internal.inc", state_.settings.includePath, state_.settings.libraryDir)}) {
    if (!input.empty()) state_.refuseIfWritten(fileIdOf(input));
  }
}

void Compiler::writePrelude() {
  std::string header = findPrelude("kcomp.inc", state_.settings.includePath, state_.settings.libraryDir);
  if (header.empty()) throwCannotOpen("kcomp.inc");
  state_.out.line("; Start of the stack area.");
  state_.out.text("RSTACKORG  equ ").hex(state_.banks.stackAreaStart()).endLine();
  if (state_.settings.longCalls) {
    state_.out.line("; Calls and jumps reach the whole program memory (kcomp -l).");
    state_.out.line("KLONGCALLS  equ 1");
  }
  state_.out.text("\t#include \"").text(header).text("\"").endLine();
  // The prelude's own labels are not free for the program's words.
  if (std::FILE* in = std::fopen(header.c_str(), "r")) {
    state_.labels.learnDefinitions(readFile(in));
    std::fclose(in);
  }

  std::string internal = findPrelude("internal.inc", state_.settings.includePath, state_.settings.libraryDir);
  std::FILE* in = internal.empty() ? nullptr : std::fopen(internal.c_str(), "r");
  if (in == nullptr) throwCannotOpen("internal.inc");
  std::string text = readFile(in);
  std::fclose(in);
  state_.out.text(text);
  state_.labels.learnDefinitions(text);
}

void Compiler::openRomStringFiles() {
  if (!state_.rom.index.open("strindex.inc")) throwCannotWrite("strindex.inc");
  if (!state_.rom.program.open("stringsp.f")) throwCannotWrite("stringsp.f");
  state_.rom.program.line(": program_strings ");
  state_.rom.program.text("\t").decimal(state_.rom.start).text(" rom_str_base !").endLine();
}

void Compiler::finishRomStringFiles() {
  AsmOutput& program = state_.rom.program;
  program.decimal(state_.rom.count).text(" index>srom").endLine();
  for (const char* line : {"exit", "[code]", "__STR_INDEX__", "#include \"strindex.inc\" ", "endcode", ";"}) {
    program.line(line);
  }
  closeOrFail(state_.rom.index, "strindex.inc");
  closeOrFail(program, "stringsp.f");
  AsmOutput base;
  if (!base.open("strbase.inc")) throwCannotWrite("strbase.inc");
  base.text("#define   __string_index  ").hex(state_.rom.next).endLine();
  closeOrFail(base, "strbase.inc");
}

// A run whose output did not all reach its file fails, even after the
// report: the file is not what the program compiles to.
void Compiler::closeOrFail(AsmOutput& file, const std::string& name) {
  if (!file.close()) throwCannotWrite(name);
}

void Compiler::complete(std::uint32_t milliseconds) {
  if (state_.rom.enabled) finishRomStringFiles();
  writeLiteralTable(state_.literals, state_.out);
  state_.strings.write(state_.out);
  writeReturnTable(state_.returnCount, state_.out);
  writeVectorTable(state_.interrupts, state_.settings.longCalls, state_.out);
  writeBanner(state_.out);
  state_.out.line("\tend");
  printReport(milliseconds);
  closeOrFail(state_.out, state_.settings.outputName);
}

void Compiler::printReport(std::uint32_t milliseconds) const {
  std::FILE* f = state_.console;
  std::fputs("\n\nPIC Memory Usage (bytes):\n\n  Bank  Allocated  Available\n", f);
  for (std::size_t b = 0; b < state_.banks.banks().size(); ++b) {
    const RamBank& bank = state_.banks.banks()[b];
    std::fprintf(f, "%5u%9" PRIu32 "%11" PRIu32 "\n", static_cast<unsigned>(b),
                 bank.next - bank.start, bank.limit - bank.next);
  }
  std::fprintf(f, "\n\n%" PRId32 "\twords\n", state_.wordsCount);
  std::fprintf(f, "%" PRId32 "\tpushed literals\n", state_.literals.pushedCount);
  std::fprintf(f, "%d\ttabled literals\n", static_cast<int>(state_.literals.entries().size()));
  std::fprintf(f, "%" PRId32 "\tliteral table references\n", state_.literals.referenceCount);
  std::fprintf(f, "%" PRIu32 "\tmilliseconds\n\n", milliseconds);
  if (state_.rom.enabled) {
    auto indexEnd = static_cast<std::int32_t>(static_cast<std::uint32_t>(state_.rom.next) +
                                              2u * static_cast<std::uint32_t>(state_.rom.count));
    std::fputs("External string table: \n", f);
    std::fprintf(f, "Count                   %" PRId32 "\n", state_.rom.count);
    std::fprintf(f, "Start  address is       %" PRId32 "\n", state_.rom.start);
    std::fprintf(f, "Ending address is       %" PRId32 "\n", state_.rom.next);
    std::fprintf(f, "Index ending address is %" PRId32 "\n", indexEnd);
  }
  std::fputs("\nFinished processing FORTH input.\n"
             "Resulting data can be assembled using MPASM.\n\n", f);
}

void Compiler::closeFiles() {
  state_.out.close();
  state_.rom.index.close();
  state_.rom.program.close();
}

}  // namespace kestrel
