#include "driver/installed_library.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kestrel {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

// What the system says the running program is; empty where it cannot say.
fs::path systemExecutablePath() {
#if defined(_WIN32)
  static wchar_t buffer[32768];
  constexpr DWORD capacity = static_cast<DWORD>(sizeof buffer / sizeof buffer[0]);
  DWORD length = GetModuleFileNameW(nullptr, buffer, capacity);
  if (length == 0 || length >= capacity) return {};
  return fs::path(std::wstring(buffer, length));
#elif defined(__linux__)
  std::error_code ec;
  fs::path path = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : path;
#else
  return {};
#endif
}

bool isFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

fs::path searchPathVariable(const std::string& name) {
  const char* value = std::getenv("PATH");
  std::string_view list = value == nullptr ? "" : value;
  while (!list.empty()) {
    std::size_t end = list.find(kPathListSeparator);
    std::string_view dir = list.substr(0, end);
    if (!dir.empty() && isFile(fs::path(dir) / name)) return fs::path(dir) / name;
    list = end == std::string_view::npos ? "" : list.substr(end + 1);
  }
  return {};
}

}  // namespace

fs::path executablePath(const char* argv0) {
  fs::path path = systemExecutablePath();
  if (path.empty() && argv0 != nullptr && *argv0 != '\0') {
    fs::path typed(argv0);
    path = typed.has_parent_path() ? typed : searchPathVariable(argv0);
  }
  if (path.empty()) return {};
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return ec ? path : canonical;
}

std::string installedLibraryDir(const fs::path& program, std::string_view fromProgramDir) {
  if (program.empty()) return {};
  fs::path dir = (program.parent_path() / fs::path(fromProgramDir)).lexically_normal();
  if (!isFile(dir / "kcomp.inc")) return {};
  return dir.string();
}

}  // namespace kestrel
