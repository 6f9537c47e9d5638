// Finding source and prelude files: the current directory first, then each
// directory of the include path (a list of directories, each followed by
// ";").
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

// True when `path` names something that may be opened to be read as a file
// (found without opening it, so a pipe is opened once only): not a folder;
// with `regularOnly`, no device, pipe or the like either.
bool isReadableFile(const std::string& path, bool regularOnly);

}  // namespace kestrel
