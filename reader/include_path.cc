#include "reader/include_path.h"

#include <cstdio>
#include <filesystem>

namespace kestrel {

namespace fs = std::filesystem;

namespace {

bool endsWithSeparator(std::string_view dir) {
  if (dir.empty()) return false;
  char last = dir.back();
  return last == kPathSeparator || last == '/';
}

bool exists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(fs::path(path), ec);
}

}  // namespace

std::string joinPath(std::string_view dir, std::string_view name) {
  std::string joined(dir);
  if (!endsWithSeparator(dir)) joined.push_back(kPathSeparator);
  joined.append(name);
  return joined;
}

void appendIncludeDir(std::string& path, std::string_view dir) {
  path.append(dir);
  if (path.empty() || path.back() != ';') path.push_back(';');
}

std::string searchFile(const std::string& name, std::string_view includePath) {
  if (fs::path(name).is_absolute()) return exists(name) ? name : std::string();
  if (exists(name)) {
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    if (!ec) return joinPath(cwd.string(), name);
  }
  std::size_t start = 0;
  while (start < includePath.size()) {
    std::size_t end = includePath.find(';', start);
    if (end == std::string_view::npos) end = includePath.size();
    if (end > start) {
      std::string candidate = joinPath(includePath.substr(start, end - start), name);
      if (exists(candidate)) return candidate;
    }
    start = end + 1;
  }
  return {};
}

std::string searchLibrary(const std::string& name, std::string_view libraryDir) {
  if (libraryDir.empty() || fs::path(name).is_absolute()) return {};
  std::string candidate = joinPath(libraryDir, name);
  return exists(candidate) ? candidate : std::string();
}

std::string findSource(const std::string& name, std::string_view includePath,
                       std::string_view libraryDir) {
  bool searched = !includePath.empty();
  std::string found = searched ? searchFile(name, includePath) : name;
  bool missing = searched ? found.empty() : !exists(name);
  if (missing) {
    std::string installed = searchLibrary(name, libraryDir);
    if (!installed.empty()) return installed;
  }
  return found;
}

std::string findPrelude(const std::string& name, std::string_view includePath,
                        std::string_view libraryDir) {
  std::string found = searchFile(name, includePath);
  return found.empty() ? searchLibrary(name, libraryDir) : found;
}

bool isReadableFile(const std::string& path, bool regularOnly) {
  std::error_code ec;
  if (path.empty() || fs::is_directory(fs::path(path), ec)) return false;
  return !regularOnly || fs::is_regular_file(fs::path(path), ec);
}

}  // namespace kestrel
