#include "stripper/kstrip.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "stripper/block_copier.h"
#include "stripper/call_depth.h"
#include "stripper/file_replacement.h"
#include "stripper/new_file.h"
#include "stripper/output_buffer.h"
#include "stripper/removal.h"
#include "stripper/routine_reader.h"
#include "stripper/scanner.h"

namespace kestrel::strip {

namespace fs = std::filesystem;

namespace {

const fs::path kTemporaryName = "stripped.asm";

void writeBanner(std::ostream& out) {
  constexpr int kMajor = 0, kMinor = 10, kPatch = 9;
  out << "KESTREL recursive unreferenced code stripper v" << kMajor << '.' << kMinor << '.' << kPatch
      << '\n';
}

// Only a regular file can be stripped: the input is moved and replaced at the
// end, which must not happen to a directory or a device.
bool openInput(const fs::path& name, std::ifstream& input) {
  std::error_code error;
  if (!fs::is_regular_file(fs::status(name, error))) return false;
  input.open(name, std::ios::binary);
  return input.is_open();
}

bool rewind(std::ifstream& input) {
  input.clear();
  input.seekg(0);
  return static_cast<bool>(input);
}

// Creating the temporary file would destroy the input if it were that file.
bool isTemporaryFile(const fs::path& input) {
  std::error_code error;
  return fs::equivalent(input, kTemporaryName, error);
}

ExitStatus cannotOpen(const std::string& inputName, std::ostream& errors) {
  errors << "Can not open " << inputName << '\n';
  return kCannotOpenInput;
}

ExitStatus cannotWriteTemporary(std::ostream& errors) {
  errors << "Can not write temporary file.\n";
  return kCannotWriteTemporary;
}

void discardTemporaryFile() {
  std::error_code error;
  fs::remove(kTemporaryName, error);
  keepOnSignal(kTemporaryName);
}

// A "stripped.asm" left from before goes first, so that the new one is
// created afresh and never written through a link of that name. A folder
// of that name stays, and creating the file then fails.
bool removeOldTemporaryFile() {
  std::error_code error;
  fs::file_status status = fs::symlink_status(kTemporaryName, error);
  if (error || !fs::exists(status) || fs::is_directory(status)) return true;
  return fs::remove(kTemporaryName, error);
}

// The second pass. Closes both files; the input stays untouched, and an
// incomplete copy is deleted rather than left to replace it.
ExitStatus writeStrippedCopy(const std::string& inputName, std::ifstream& input, const RoutineTable& table,
                             const std::vector<bool>& kept, std::ostream& out, std::ostream& errors) {
  NewFile stripped;
  if (isTemporaryFile(fs::path(inputName)) || !removeOldTemporaryFile() || !stripped.create(kTemporaryName)) {
    return cannotWriteTemporary(errors);
  }

  Scanner scanner(input);
  copyKeptBlocks(scanner, table, findKeptLabels(table, kept), stripped.stream(), out);
  input.close();
  bool written = stripped.close();
  if (scanner.readFailed()) {
    discardTemporaryFile();
    return cannotOpen(inputName, errors);
  }
  if (!written) {
    discardTemporaryFile();
    return cannotWriteTemporary(errors);
  }
  return kCompleted;
}

void writeDepthReport(const RoutineTable& table, const std::vector<bool>& kept, std::ostream& out) {
  std::vector<std::size_t> depths = computeCallDepths(table, kept);
  OutputBuffer report(out);
  for (std::size_t i = 0; i < table.routines.size(); ++i) {
    if (!kept[i]) continue;
    report.write(" calldepth: ");
    report.writeNumber(depths[i]);
    report.write("   Function: ");
    report.write(table.routines[i].name);
    report.put('\n');
  }
}

ExitStatus stripFile(const std::string& inputName, std::ostream& out, std::ostream& errors) {
  std::ifstream input;
  if (!openInput(fs::path(inputName), input)) return cannotOpen(inputName, errors);
  Scanner scanner(input);
  RoutineTable table = readRoutineTable(scanner);
  if (scanner.readFailed() || !rewind(input)) return cannotOpen(inputName, errors);

  std::vector<bool> kept = findKeptRoutines(table);
  if (ExitStatus status = writeStrippedCopy(inputName, input, table, kept, out, errors); status != kCompleted) {
    return status;
  }
  bool replaced = replaceInputFile(inputName, kTemporaryName, errors);
  keepOnSignal(kTemporaryName);
  if (!replaced) return kCannotWriteTemporary;
  writeDepthReport(table, kept, out);
  return kCompleted;
}

}  // namespace

ExitStatus runStripper(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors) {
  writeBanner(out);
  if (arguments.size() != 1) {
    errors << "Need one file to process.\n";
    return kUsageError;
  }
  return stripFile(arguments.front(), out, errors);
}

}  // namespace kestrel::strip
