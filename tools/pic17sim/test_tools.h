// Files and processes for the tests that assemble with gpasm or run the
// pic17sim program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pic17sim::test {

// A fresh directory under the system temporary folder, removed at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  void write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

std::string readText(const std::string& path);

// Runs a command line through the shell; returns its exit status.
int runCommand(const std::string& command);
std::string shellQuoted(const std::string& path);

bool haveGpasm();
// Writes name.asm (with the p17c756a header prepended) and assembles it;
// returns the path of the .hex, or "" after a test failure.
std::string assembleWithGpasm(const TempDir& dir, const std::string& name, const std::string& body);

// An INHX32 image of `words` placed from word address `origin` (a multiple
// of 8, so that no record crosses a 64K-byte segment).
std::string hexImage(std::uint16_t origin, const std::vector<std::uint16_t>& words);

}  // namespace pic17sim::test
