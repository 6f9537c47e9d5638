// A fresh, empty directory for one test, deleted with everything in it when
// the test ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace kestrel::strip {

class TestDirectory {
 public:
  TestDirectory() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("kstrip-") + test->test_suite_name() + "-" + test->name() + "-";
    for (char& c : name) {
      if (c == '/') c = '_';  // parameterised tests have it in their names
    }
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / (name + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TestDirectory() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TestDirectory(const TestDirectory&) = delete;
  TestDirectory& operator=(const TestDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline void writeFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  ASSERT_TRUE(out.good()) << path;
}

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.is_open()) << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace kestrel::strip
