#include "pic17sim/input.h"

#include <filesystem>
#include <fstream>

namespace pic17sim {

std::string readFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw InputError(path + " is a directory");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputError("cannot open " + path);
  // Read straight into the one string: no second copy of a large file.
  std::string text;
  std::error_code sizeError;
  auto size = std::filesystem::file_size(path, sizeError);
  if (!sizeError) text.reserve(static_cast<std::size_t>(size));
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) text.append(chunk, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) throw InputError("cannot read " + path);
  return text;
}

}  // namespace pic17sim
