// Shared by the fuzz targets: a private scratch folder that the process
// works in, so compilations can write their output files anywhere they like.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fuzz {

class Sandbox {
 public:
  Sandbox() {
    namespace fs = std::filesystem;
    dir_ = fs::temp_directory_path() / ("kestrel-fuzz-" + std::to_string(std::random_device()()));
    fs::create_directories(dir_);
    fs::current_path(dir_);
    writeFile("kcomp.inc", "; prelude\n");
    writeFile("internal.inc", "; run time\n");
#ifdef _WIN32
    sink_ = std::fopen("NUL", "w");
#else
    sink_ = std::fopen("/dev/null", "w");
#endif
  }
  ~Sandbox() {
    if (sink_ != nullptr) std::fclose(sink_);
  }

  static void writeFile(const std::string& name, const void* data, std::size_t size) {
    std::ofstream(name, std::ios::binary).write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  static void writeFile(const std::string& name, const std::string& text) { writeFile(name, text.data(), text.size()); }

  // Where console and error output go: nowhere.
  std::FILE* sink() const { return sink_; }

 private:
  std::filesystem::path dir_;
  std::FILE* sink_ = nullptr;
};

}  // namespace fuzz
