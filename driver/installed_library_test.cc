// The installed library folder: found only where an installation put it,
// and searched after every place kcomp searched before.
#include "driver/installed_library.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "driver/compiler.h"

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class InstalledLibraryTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    // A name of its own: other builds may run the same tests at the same time.
    root_ = fs::temp_directory_path() /
            ("kestrel-library-" + std::to_string(std::random_device()()) + "-" +
             testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    fs::create_directories(root_ / "share" / "kestrel");
    fs::create_directories(root_ / "work");
    fs::create_directories(root_ / "inc");
    fs::current_path(root_ / "work");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }

  static void write(const fs::path& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
  }
  static std::string read(const fs::path& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  fs::path library() const { return root_ / "share" / "kestrel"; }
  void installLibrary() {
    write(library() / "kcomp.inc", "");
    write(library() / "internal.inc", "; installed internal\n");
    write(library() / "lib.f", ": from-library ;\n");
  }

  // kcomp on `args` with the library folder set as an installed kcomp sets it.
  int compile(const std::vector<std::string>& args) {
    std::FILE* console = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    Compiler compiler(console, errors);
    compiler.setLibraryDir(installedLibraryDir(root_ / "bin" / "kcomp", "../share/kestrel"));
    int status = compiler.run(args, nullptr);
    std::rewind(errors);
    errors_.clear();
    for (int c; (c = std::fgetc(errors)) != EOF;) errors_.push_back(static_cast<char>(c));
    std::fclose(console);
    std::fclose(errors);
    return status;
  }
  std::string includeLine() const {
    std::string text = read("out.asm");
    std::size_t start = text.find("\t#include");
    return start == std::string::npos ? text : text.substr(start, text.find('\n', start) - start);
  }

  fs::path previous_, root_;
  std::string errors_;
};

TEST_F(InstalledLibraryTest, FolderCountsOnlyWhenItHoldsThePrelude) {
  fs::path program = root_ / "bin" / "kcomp";
  EXPECT_EQ(installedLibraryDir(program, "../share/kestrel"), "");
  installLibrary();
  EXPECT_EQ(installedLibraryDir(program, "../share/kestrel"), library().lexically_normal().string());
  EXPECT_EQ(installedLibraryDir(program, "../share/other"), "");
  EXPECT_EQ(installedLibraryDir(fs::path(), "../share/kestrel"), "");
}

TEST_F(InstalledLibraryTest, RunningProgramIsFound) {
  fs::path self = executablePath(nullptr);
  if (self.empty()) GTEST_SKIP() << "this system does not tell a program its own file";
  EXPECT_TRUE(fs::is_regular_file(self));
  EXPECT_EQ(self.stem(), "kcomp_unit_tests");
}

TEST_F(InstalledLibraryTest, LibraryServesWhatNoOtherPlaceHas) {
  installLibrary();
  write("prog.f", "fload lib.f\n: main from-library ;\n");
  ASSERT_EQ(compile({"prog.f"}), 0) << errors_;
  std::string out = read("out.asm");
  EXPECT_EQ(includeLine(), "\t#include \"" + (library() / "kcomp.inc").lexically_normal().string() + "\"");
  EXPECT_NE(out.find("; installed internal\n"), std::string::npos);
  EXPECT_NE(out.find("; End of file: lib.f."), std::string::npos);

  // The input file itself may come from there too, with an include path set.
  ASSERT_EQ(compile({"-i", (root_ / "inc").string(), "lib.f"}), 0) << errors_;
}

TEST_F(InstalledLibraryTest, EveryOtherPlaceComesFirst) {
  installLibrary();
  write("kcomp.inc", "");
  write(root_ / "inc" / "internal.inc", "; internal from -i\n");
  write(root_ / "inc" / "lib.f", ": from-include-path ;\n");
  write("prog.f", "fload lib.f\n: main from-include-path ;\n");
  ASSERT_EQ(compile({"-i", (root_ / "inc").string(), "prog.f"}), 0) << errors_;
  std::string out = read("out.asm");
  EXPECT_EQ(includeLine(), "\t#include \"" + (root_ / "work" / "kcomp.inc").string() + "\"");
  EXPECT_NE(out.find("; internal from -i\n"), std::string::npos);
  EXPECT_EQ(out.find("; installed internal"), std::string::npos);
}

TEST_F(InstalledLibraryTest, WithoutLibraryFilesMissingStayMissing) {
  write("kcomp.inc", "");
  write("internal.inc", "");
  write("prog.f", "fload lib.f\n");
  EXPECT_EQ(compile({"prog.f"}), 1);
  EXPECT_EQ(errors_, "Cannot open file: lib.f\n");
  installLibrary();
  EXPECT_EQ(compile({"missing.f"}), 1);
  EXPECT_EQ(errors_, "Cannot open file: missing.f\n");
}

}  // namespace
}  // namespace kestrel
