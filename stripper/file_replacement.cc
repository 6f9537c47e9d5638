#include "stripper/file_replacement.h"

#include "stripper/new_file.h"

namespace kestrel::strip {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr std::string_view kDirectorySeparators = "/\\:";
#else
constexpr std::string_view kDirectorySeparators = "/";
#endif

// Deletes an earlier backup so that the input can be moved there. A directory
// is left alone, and so is the input itself should the backup name reach it
// (prog.~ is its own backup name): the move then fails and nothing is lost.
void deleteOldBackup(const fs::path& backup, const fs::path& input) {
  std::error_code error;
  fs::file_status status = fs::symlink_status(backup, error);
  if (error || !fs::exists(status) || fs::is_directory(status)) return;
  if (fs::equivalent(backup, input, error)) return;
  fs::remove(backup, error);  // if this fails, the move reports it
}

// Another file system (the stripped copy is written in the current
// directory): copy, and remove the original only once the copy is whole.
std::error_code moveByCopying(const fs::path& from, const fs::path& to) {
  std::error_code error = copyInPlace(from, to);
  if (!error) fs::remove(from, error);
  return error;
}

// Makes the backup a second name of the input; false when the file system
// cannot, and the input is to be moved instead.
bool linkAsBackup(const fs::path& input, const fs::path& backup) {
  std::error_code error;
  fs::file_status status = fs::symlink_status(input, error);
  if (error || !fs::is_regular_file(status)) return false;
  fs::create_hard_link(input, backup, error);
  return !error;
}

// Puts the stripped copy over the input, which is kept as the backup.
std::error_code replaceLinkedInput(const fs::path& stripped, const fs::path& input) {
  std::error_code error;
  fs::rename(stripped, input, error);
  if (error == std::errc::cross_device_link) error = moveByCopying(stripped, input);
  return error;
}

void reportFailure(std::ostream& errors, std::string_view what, const std::error_code& error) {
  errors << what << ": " << error.message() << '\n';
}

}  // namespace

std::string backupNameFor(std::string_view inputName) {
  std::size_t lastSeparator = inputName.find_last_of(kDirectorySeparators);
  std::size_t fileNameStart = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
  std::size_t dot = inputName.find('.', fileNameStart);
  std::string name(inputName.substr(0, dot));
  name += ".~";
  return name;
}

std::error_code moveWithoutReplacing(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(to, error))) return std::make_error_code(std::errc::file_exists);
  fs::rename(from, to, error);
  if (error == std::errc::cross_device_link) error = moveByCopying(from, to);
  return error;
}

bool replaceInputFile(const std::string& inputName, const fs::path& strippedName, std::ostream& errors) {
  const fs::path input(inputName);
  const fs::path backup(backupNameFor(inputName));
  deleteOldBackup(backup, input);
  std::error_code error;
  bool linked = !fs::exists(fs::symlink_status(backup, error)) && linkAsBackup(input, backup);
  bool backedUp = linked;
  if (!linked) {
    error = moveWithoutReplacing(input, backup);
    if (error) reportFailure(errors, "Cannot rename input file", error);
    backedUp = !error;
  }
  error = linked ? replaceLinkedInput(strippedName, input) : moveWithoutReplacing(strippedName, input);
  if (!error) return true;
  reportFailure(errors, "Cannot rename temp file.", error);
  if (!backedUp) return true;  // nothing moved: both files stay as they were
  if (!linked) {
    std::error_code restored;
    fs::rename(backup, input, restored);
  }
  return false;
}

}  // namespace kestrel::strip
