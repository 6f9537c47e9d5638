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
#include "reader/interpreter.h"
#include "words/builtin_words.h"

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

Compiler::Compiler(std::FILE* consoleStream, std::FILE* errorStream)
    : console(consoleStream), errors(errorStream) {}

void Compiler::fail(std::string_view message, int status) const {
  std::string text = sources.positionName();
  text.append("(").append(std::to_string(sources.positionLine())).append("):").append(message);
  throw FatalError(std::move(text), status);
}

void Compiler::warn(std::string_view message) const {
  std::string text = sources.positionName();
  text.append("(").append(std::to_string(sources.positionLine())).append("):").append(message);
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), errors);  // whole, NUL bytes too
}

void Compiler::push(std::int32_t value) {
  if (!stack.push(value)) fail("Stack overflow!", kExitStack);
}

std::int32_t Compiler::pop() {
  auto value = stack.pop();
  if (!value) fail("Stack underflow!", kExitStack);
  return *value;
}

void Compiler::failDuplicate(std::string_view name) const {
  fail("Duplicate word: " + std::string(name), kExitBadWord);
}

int Compiler::run(const std::vector<std::string>& args, const char* includeEnv) {
  try {
    std::fprintf(console, "\n%s\n\n", kBanner);
    if (args.empty()) throw FatalError(kUsageText, kExitCannotOpen);
    startUp(args, includeEnv);
    std::int64_t started = clockTicks();
    processFile(*this, settings.inputName);
    auto milliseconds = static_cast<std::uint32_t>((clockTicks() - started) * 10);
    complete(milliseconds);
    std::fflush(console);
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
  std::fflush(console);
  std::fwrite(message.data(), 1, message.size(), errors);  // whole, NUL bytes too
  std::fputc('\n', errors);
  std::fflush(errors);
  return status;
}

void Compiler::startUp(const std::vector<std::string>& args, const char* includeEnv) {
  CommandLine line = parseCommandLine(args, includePathFromEnvironment(includeEnv));
  switch (line.problem) {
    case CommandLine::Problem::kMissingValue: throw FatalError(kUsageText, kExitCannotOpen);
    case CommandLine::Problem::kStackTooBig: fail("Stack too big, reduce size.", kExitLimit);
    case CommandLine::Problem::kStackTooSmall: fail("Stack too small, increase size.", kExitLimit);
    case CommandLine::Problem::kRomStartOutOfRange: fail("Rom string address out of range.", kExitLimit);
    case CommandLine::Problem::kNone: break;
  }
  settings.includePath = line.includePath;
  settings.inputName = line.inputName;
  settings.outputName = line.outputName;
  settings.speed = line.speed;
  settings.longCalls = line.longCalls;
  if (line.stackSize) banks.setStackSize(*line.stackSize);
  if (line.romStart) {
    rom.enabled = true;
    rom.start = rom.next = *line.romStart;
  }

  refuseToReplaceInputs();
  if (!out.open(settings.outputName)) throwCannotOpen(settings.outputName);
  writePrelude();
  if (rom.enabled) openRomStringFiles();
  registerBuiltinWords(*this);
}

// No file the run writes may be one it reads: replacing it would destroy
// the program. Checked before anything is written, and again for every file
// that is opened to be read (see refuseIfWritten).
void Compiler::refuseToReplaceInputs() {
  writtenFiles.clear();
  std::vector<std::pair<std::string, AsmOutput*>> targets = {{settings.outputName, &out}};
  if (rom.enabled) {
    targets.insert(targets.end(), {{"strindex.inc", &rom.index}, {"stringsp.f", &rom.program},
                                   {"strbase.inc", nullptr}});
  }
  for (const auto& [target, output] : targets) {
    FileId id = fileIdOf(target);
    if (id.known) writtenFiles.push_back({id, target, output});
  }
  for (const std::string& input :
       {findSource(settings.inputName, settings.includePath, settings.libraryDir),
        findPrelude("kcomp.inc", settings.includePath, settings.libraryDir),
        findPrelude("internal.inc", settings.includePath, settings.libraryDir)}) {
    if (!input.empty()) refuseIfWritten(fileIdOf(input));
  }
}

void Compiler::refuseIfWritten(const FileId& input) {
  for (const WrittenFile& file : writtenFiles) {
    if (!sameFile(file.id, input)) continue;
    if (file.output != nullptr) file.output->discard();
    throwCannotOpen(file.name);
  }
}

void Compiler::writePrelude() {
  std::string header = findPrelude("kcomp.inc", settings.includePath, settings.libraryDir);
  if (header.empty()) throwCannotOpen("kcomp.inc");
  out.line("; Start of the stack area.");
  out.text("RSTACKORG  equ ").hex(banks.stackAreaStart()).endLine();
  if (settings.longCalls) {
    out.line("; Calls and jumps reach the whole program memory (kcomp -l).");
    out.line("KLONGCALLS  equ 1");
  }
  out.text("\t#include \"").text(header).text("\"").endLine();
  // The prelude's own labels are not free for the program's words.
  if (std::FILE* in = std::fopen(header.c_str(), "r")) {
    labels.learnDefinitions(readFile(in));
    std::fclose(in);
  }

  std::string internal = findPrelude("internal.inc", settings.includePath, settings.libraryDir);
  std::FILE* in = internal.empty() ? nullptr : std::fopen(internal.c_str(), "r");
  if (in == nullptr) throwCannotOpen("internal.inc");
  std::string text = readFile(in);
  std::fclose(in);
  out.text(text);
  labels.learnDefinitions(text);
}

void Compiler::openRomStringFiles() {
  if (!rom.index.open("strindex.inc")) throwCannotWrite("strindex.inc");
  if (!rom.program.open("stringsp.f")) throwCannotWrite("stringsp.f");
  rom.program.line(": program_strings ");
  rom.program.text("\t").decimal(rom.start).text(" rom_str_base !").endLine();
}

void Compiler::finishRomStringFiles() {
  AsmOutput& program = rom.program;
  program.decimal(rom.count).text(" index>srom").endLine();
  for (const char* line : {"exit", "[code]", "__STR_INDEX__", "#include \"strindex.inc\" ", "endcode", ";"}) {
    program.line(line);
  }
  closeOrFail(rom.index, "strindex.inc");
  closeOrFail(program, "stringsp.f");
  AsmOutput base;
  if (!base.open("strbase.inc")) throwCannotWrite("strbase.inc");
  base.text("#define   __string_index  ").hex(rom.next).endLine();
  closeOrFail(base, "strbase.inc");
}

// A run whose output did not all reach its file fails, even after the
// report: the file is not what the program compiles to.
void Compiler::closeOrFail(AsmOutput& file, const std::string& name) {
  if (!file.close()) throwCannotWrite(name);
}

void Compiler::complete(std::uint32_t milliseconds) {
  if (rom.enabled) finishRomStringFiles();
  writeLiteralTable(literals, out);
  strings.write(out);
  writeReturnTable(returnCount, out);
  writeVectorTable(interrupts, settings.longCalls, out);
  writeBanner(out);
  out.line("\tend");
  printReport(milliseconds);
  closeOrFail(out, settings.outputName);
}

void Compiler::printReport(std::uint32_t milliseconds) const {
  std::FILE* f = console;
  std::fputs("\n\nPIC Memory Usage (bytes):\n\n  Bank  Allocated  Available\n", f);
  for (std::size_t b = 0; b < banks.banks().size(); ++b) {
    const RamBank& bank = banks.banks()[b];
    std::fprintf(f, "%5u%9" PRIu32 "%11" PRIu32 "\n", static_cast<unsigned>(b),
                 bank.next - bank.start, bank.limit - bank.next);
  }
  std::fprintf(f, "\n\n%" PRId32 "\twords\n", wordsCount);
  std::fprintf(f, "%" PRId32 "\tpushed literals\n", literals.pushedCount);
  std::fprintf(f, "%d\ttabled literals\n", static_cast<int>(literals.entries().size()));
  std::fprintf(f, "%" PRId32 "\tliteral table references\n", literals.referenceCount);
  std::fprintf(f, "%" PRIu32 "\tmilliseconds\n\n", milliseconds);
  if (rom.enabled) {
    auto indexEnd = static_cast<std::int32_t>(static_cast<std::uint32_t>(rom.next) +
                                              2u * static_cast<std::uint32_t>(rom.count));
    std::fputs("External string table: \n", f);
    std::fprintf(f, "Count                   %" PRId32 "\n", rom.count);
    std::fprintf(f, "Start  address is       %" PRId32 "\n", rom.start);
    std::fprintf(f, "Ending address is       %" PRId32 "\n", rom.next);
    std::fprintf(f, "Index ending address is %" PRId32 "\n", indexEnd);
  }
  std::fputs("\nFinished processing FORTH input.\n"
             "Resulting data can be assembled using MPASM.\n\n", f);
}

void Compiler::closeFiles() {
  out.close();
  rom.index.close();
  rom.program.close();
}

}  // namespace kestrel
