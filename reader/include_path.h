// Finding source and prelude files: the current directory first, then each
// directory of the include path (a list of directories, each followed by
// ";"), and last the library folder of an installed kcomp.
#pragma once

#include <string>
#include <string_view>

namespace kestrel {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `dir` and `name` joined with the path separator (none added when `dir`
// already ends with one).
std::string joinPath(std::string_view dir, std::string_view name);

// Appends `dir` to `path`, then a ";" unless the path then ends with one.
void appendIncludeDir(std::string& path, std::string_view dir);

// The full name of the file: a name found relative to the current directory
// is joined to the absolute current directory (an absolute name is kept as
// it is); otherwise the first include directory that holds it. Empty when
// the file is found nowhere.
std::string searchFile(const std::string& name, std::string_view includePath);

// The library folder's copy of a relative `name`; empty when `libraryDir`
// is empty (kcomp is not installed) or does not hold the file.
std::string searchLibrary(const std::string& name, std::string_view libraryDir);

// The file that a source file name stands for: with an include path, what
// searchFile finds; without one, the name itself. A name that neither finds
// is taken from the library folder when that holds it; otherwise the result
// is what it would be without a library folder (empty, or the name).
std::string findSource(const std::string& name, std::string_view includePath,
                       std::string_view libraryDir);

// kcomp.inc or internal.inc: what searchFile finds, else the library
// folder's copy; empty when neither has the file.
std::string findPrelude(const std::string& name, std::string_view includePath,
                        std::string_view libraryDir);

// True when `path` names something that may be opened to be read as a file
// (found without opening it, so a pipe is opened once only): not a folder;
// with `regularOnly`, no device, pipe or the like either.
bool isReadableFile(const std::string& path, bool regularOnly);

}  // namespace kestrel
