#include "stripper/file_replacement.h"

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
  if (error == std::errc::cross_device_link) {
    // Another file system (the stripped copy is written in the current
    // directory): move by copying, so the input name is not left empty.
    error.clear();
    if (fs::copy_file(from, to, fs::copy_options::none, error)) fs::remove(from, error);
  }
  return error;
}

void replaceInputFile(const std::string& inputName, const fs::path& strippedName, std::ostream& errors) {
  const fs::path input(inputName);
  const fs::path backup(backupNameFor(inputName));
  deleteOldBackup(backup, input);
  if (std::error_code error = moveWithoutReplacing(input, backup)) {
    reportFailure(errors, "Cannot rename input file", error);
  }
  if (std::error_code error = moveWithoutReplacing(strippedName, input)) {
    reportFailure(errors, "Cannot rename temp file.", error);
  }
}

}  // namespace kestrel::strip
