// The few file operations that the standard library does not offer: which
// file a name or stream is, creating a file only if it is new, temporary
// files that a signal removes, and the standard streams. Host-specific
// calls live here and nowhere else.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace kestrel {

// A file as the file system knows it (device and file number), whatever
// name or link leads to it. Unknown where the host cannot tell.
struct FileId {
  std::uint64_t device = 0;
  std::uint64_t number = 0;
  bool known = false;
  bool regular = false;     // a plain file, not a device, pipe or directory
  std::uint64_t size = 0;   // of a regular file
};

// The file that `path` leads to (links followed); unknown when none.
FileId fileIdOf(const std::string& path);
// The file an open stream reads or writes.
FileId fileIdOf(std::FILE* stream);
bool sameFile(const FileId& a, const FileId& b);

// True when `path` names no file, or one this process may write.
bool mayWrite(const std::string& path);

// Creates `path` for writing (in text mode where that differs), only if nothing of that name
// exists (not even a link); nullptr otherwise. The new file gets the
// permissions of `like` when that names an existing file.
std::FILE* createNewFile(const std::string& path, const std::string& like = {});

// Creates a new file for writing beside `target`, named after it and this
// process so that a user recognises it ("out.asm.kcomp-1234.tmp"), and sets
// `temporaryPath` to its name; an interrupting signal removes it (see
// removeOnSignal). nullptr when no such file can be created.
std::FILE* createFileBeside(const std::string& target, std::string& temporaryPath);

// Moves `from` over `to`, replacing it in one step; false on failure.
// Needs no memory, so that it works when the run ends for lack of it.
bool replaceFile(const std::string& from, const std::string& to);

// A file for scratch data in the temporary folder (TMPDIR where it is set),
// removed when closed or when the process ends; nullptr when none can be
// made. `name` receives the name it was created under.
std::FILE* createScratchFile(std::string& name);

// Temporary files that an interrupting signal (SIGINT, SIGTERM, SIGHUP,
// SIGPIPE) removes before the process ends as the signal would end it.
// The handlers are installed on the first registration.
void removeOnSignal(const std::string& path);
void keepOnSignal(const std::string& path);

// Standard input, output or error closed when the program starts is opened
// on the null device, so that no file the program opens takes its place.
void openClosedStandardStreams();

}  // namespace kestrel
