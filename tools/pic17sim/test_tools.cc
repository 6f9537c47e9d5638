#include "pic17sim/test_tools.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace pic17sim::test {

TempDir::TempDir() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("pic17sim-test-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, const std::string& text) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out << text;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int runCommand(const std::string& command) {
#ifdef _WIN32
  // cmd.exe drops the outer quotes of a line that starts with one.
  return std::system(("\"" + command + "\"").c_str());
#else
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

std::string shellQuoted(const std::string& path) { return "\"" + path + "\""; }

bool haveGpasm() {
  static const bool present = [] {
    TempDir dir;
    return runCommand("gpasm --version > " + shellQuoted(dir.file("version.txt")) + " 2>&1") == 0;
  }();
  return present;
}

std::string assembleWithGpasm(const TempDir& dir, const std::string& name, const std::string& body) {
  dir.write(name + ".asm", "\tlist p=17c756a\n\tinclude <p17c756a.inc>\n\terrorlevel -302\n" + body +
                               "\tend\n");
  std::string log = dir.file(name + ".log");
  int status = runCommand("gpasm " + shellQuoted(dir.file(name + ".asm")) + " > " + shellQuoted(log) + " 2>&1");
  if (status != 0) {
    ADD_FAILURE() << "gpasm failed:\n" << readText(log);
    return "";
  }
  return dir.file(name + ".hex");
}

namespace {

std::string record(const std::vector<unsigned>& bytes) {
  std::string text = ":";
  unsigned sum = 0;
  char digits[3];
  for (unsigned b : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", b & 0xFF);
    text += digits;
    sum += b;
  }
  std::snprintf(digits, sizeof digits, "%02X", -sum & 0xFF);
  return text + digits + "\n";
}

}  // namespace

std::string hexImage(std::uint16_t origin, const std::vector<std::uint16_t>& words) {
  std::string text;
  unsigned segment = ~0u;
  for (std::size_t i = 0; i < words.size(); i += 8) {
    std::size_t count = std::min<std::size_t>(8, words.size() - i);
    unsigned address = 2u * (origin + static_cast<unsigned>(i));
    if (address >> 16 != segment) {
      segment = address >> 16;
      text += record({2, 0, 0, 4, segment >> 8, segment & 0xFF});
    }
    std::vector<unsigned> bytes = {static_cast<unsigned>(2 * count), address >> 8 & 0xFF, address & 0xFF, 0};
    for (std::size_t j = 0; j < count; ++j) {
      bytes.push_back(words[i + j] & 0xFF);
      bytes.push_back(words[i + j] >> 8);
    }
    text += record(bytes);
  }
  return text + ":00000001FF\n";
}

}  // namespace pic17sim::test
