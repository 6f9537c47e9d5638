// Running a program in a scratch folder and reading back what it left.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

using Environment = std::vector<std::pair<std::string, std::optional<std::string>>>;

// Runs `program` with `args` in `dir`, with the environment variables set
// (or unset, for nullopt) as given, capturing both output streams.
RunResult runProgram(const fs::path& program, const std::vector<std::string>& args,
                     const fs::path& dir, const Environment& env);

// A new empty folder under the system's temporary folder.
fs::path makeScratchDir(const std::string& hint);

std::string readFile(const fs::path& path);
void writeFile(const fs::path& path, const std::string& contents);
// Every regular file below `dir`, by path relative to it (with "/").
std::map<std::string, std::string> snapshot(const fs::path& dir);
void copyTree(const fs::path& from, const fs::path& to);
std::vector<std::string> readLines(const fs::path& path);

// An expected output given in part: its lines, where a line holding only
// kAnyLines stands for any number of lines (none too). Without such a line
// at its start (end) the part must match from the output's first line (up
// to its last). Returns "" when `actual` matches `part`, and otherwise which
// lines of the part were not found.
inline constexpr const char* kAnyLines = "@...@";
std::string partMismatch(const std::string& part, const std::string& actual);

}  // namespace e2e
