#include "pic17sim/input.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pic17sim {

std::string readFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw InputError(path + " is a directory");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputError("cannot open " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace pic17sim
