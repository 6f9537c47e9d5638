// Files that kstrip makes: always new ones, never written through an
// existing name or link, and removed again when a signal (SIGINT, SIGTERM,
// SIGHUP, SIGPIPE) ends the program before they are finished.
#pragma once

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <streambuf>
#include <system_error>

namespace kestrel::strip {

// A stream that writes to a C file.
class FileStreamBuffer : public std::streambuf {
 public:
  explicit FileStreamBuffer(std::FILE* file) : file_(file) {}
  void setFile(std::FILE* file) { file_ = file; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize size) override;
  int sync() override;

 private:
  std::FILE* file_;
};

class NewFile {
 public:
  NewFile() : stream_(&buffer_) {}
  ~NewFile() { close(); }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  // Creates `name` only if nothing of that name exists; false otherwise.
  bool create(const std::filesystem::path& name);
  std::ostream& stream() { return stream_; }
  // Writes everything out and closes; false when some of it failed.
  bool close();

 private:
  std::FILE* file_ = nullptr;
  FileStreamBuffer buffer_{nullptr};
  std::ostream stream_;
  bool failed_ = false;
};

// Registers a file for removal by an interrupting signal, or forgets it.
void removeOnSignal(const std::filesystem::path& name);
void keepOnSignal(const std::filesystem::path& name);

// Removes every file registered for removal, as a signal would.
void removeUnfinishedFiles();

// Copies `from` to a new file beside `to` and renames it over `to`: `to`
// is either as it was or the whole copy, never a part of it.
std::error_code copyInPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// Standard streams closed at start-up are opened on the null device.
void openClosedStandardStreams();

}  // namespace kestrel::strip
