// Whole compilations run in-process: state must not leak from one run to the
// next, the output must hold everything written before a fatal error, and
// inputs of any size or nesting depth must not exhaust the host stack.
#include "driver/compiler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <fstream>
#include <sstream>

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class CompilerTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("kestrel-compiler-" + std::to_string(std::random_device{}()) + "-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    write("kcomp.inc", "");
    write("internal.inc", "");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  // "f" and a number, without "text" + std::string, which GCC 12 at -O3
  // warns about wrongly.
  static std::string numbered(const char* prefix, int n) {
    std::string text(prefix);
    text += std::to_string(n);
    return text;
  }
  static void write(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
  }
  static std::string read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs kcomp on `args`; the console and error texts land in console_ and errors_.
  int compile(const std::vector<std::string>& args) {
    std::FILE* console = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    int status = Compiler(console, errors).run(args, nullptr);
    console_ = drain(console);
    errors_ = drain(errors);
    return status;
  }
  static std::string drain(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
    std::fclose(file);
    return text;
  }

  // The report without its processor time, which differs from run to run.
  static std::string withoutTime(const std::string& report) {
    std::size_t end = report.find("\tmilliseconds\n");
    std::size_t start = report.rfind('\n', end) + 1;
    return end == std::string::npos ? report : report.substr(0, start) + report.substr(end);
  }

  fs::path previous_, dir_;
  std::string console_, errors_;
};

TEST_F(CompilerTest, RunsInOneProcessAreIndependent) {
  write("a.f", ": dup ;\n: t 300 dup ;\n");
  ASSERT_EQ(compile({"a.f"}), 0) << errors_;
  std::string first = read("out.asm");
  std::string firstReport = withoutTime(console_);
  ASSERT_EQ(compile({"a.f"}), 0) << errors_;  // no "Duplicate word", no second table entry
  EXPECT_EQ(read("out.asm"), first);
  EXPECT_EQ(withoutTime(console_), firstReport);
  EXPECT_NE(first.find("\tDATA 0x12c\n; String Table"), std::string::npos);
}

TEST_F(CompilerTest, FatalErrorKeepsEverythingWrittenBefore) {
  std::string source;
  for (int i = 0; i < 5000; ++i) source += numbered(": w", i) + " ;\n";
  write("big.f", source + "oops\n");
  EXPECT_EQ(compile({"big.f"}), 2);
  EXPECT_EQ(errors_, "big.f(5001):Unrecognized word: oops\n");
  std::string out = read("out.asm");
  EXPECT_NE(out.find("_w4999\n\t\t\t\t\t\t; ;\n\treturn\n"), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 53), ";***************************************************\n");
}

// Many buffers of output over an older, longer out.asm: the failed run
// leaves exactly the text the complete run writes up to the failure.
TEST_F(CompilerTest, FatalErrorAfterLargeOutputLeavesNoOlderText) {
  std::string source = ": dup ; : drop ;\n";
  for (int i = 0; i < 60000; ++i) source += numbered(": w", i) + " dup drop ;\n";
  write("good.f", source);
  write("bad.f", source + "oops\n");
  ASSERT_EQ(compile({"-o", "good.asm", "good.f"}), 0);
  std::string complete = read("good.asm");
  write("out.asm", complete + complete);

  EXPECT_EQ(compile({"bad.f"}), 2);
  std::string failed = read("out.asm");
  EXPECT_GT(failed.size(), 4u << 20);
  ASSERT_LT(failed.size(), complete.size());
  EXPECT_TRUE(complete.compare(0, failed.size(), failed) == 0);
  EXPECT_EQ(failed.substr(failed.size() - 53), ";***************************************************\n");
}

// Output that cannot be written fails the run after the report, with
// status 1: the file is not what the program compiles to.
TEST_F(CompilerTest, OutputThatCannotBeWrittenFailsTheRun) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  write("a.f", ": dup ;\n: t 300 dup ;\n");
  EXPECT_EQ(compile({"-o", "/dev/full", "a.f"}), 1);
  EXPECT_EQ(errors_, "Cannot write file: /dev/full\n");
  EXPECT_NE(console_.find("Finished processing FORTH input."), std::string::npos);
}

TEST_F(CompilerTest, DeeplyNestedIncludesRunInConstantStack) {
  constexpr int kDepth = 10000;
  for (int i = 0; i < kDepth; ++i) {
    write(numbered("f", i) + ".f", i + 1 < kDepth ? numbered("fload f", i + 1) + ".f\n" : ": deepest ;\n");
  }
  ASSERT_EQ(compile({"f0.f"}), 0) << errors_;
  std::string out = read("out.asm");
  EXPECT_NE(out.find("_deepest\n"), std::string::npos);
  EXPECT_NE(out.find("; End of file: f9999.f.\n; End of file: f9998.f.\n"), std::string::npos);
  EXPECT_NE(out.find("; End of file: f1.f.\n; End of file: f0.f.\n"), std::string::npos);
}

TEST_F(CompilerTest, MillionNestedConditionalsAreSkippedWithoutRecursion) {
  std::string source = "0 [if] ";
  for (int i = 0; i < 1000000; ++i) source += "[if] ";
  for (int i = 0; i < 1000000; ++i) source += "[then] ";
  write("deep.f", source + "[else] 7 . [then]\n");
  ASSERT_EQ(compile({"deep.f"}), 0) << errors_;
  EXPECT_NE(console_.find("\n\n7\n\nPIC Memory"), std::string::npos);
}

TEST_F(CompilerTest, LargeStringTableComesOutWholeAndInOrder) {
  std::string source = ": t\n";
  std::string table = "; String Table \n";
  for (int i = 1; i <= 20000; ++i) {
    std::string text = numbered("text ", i) + std::string(100, '.');
    source += "s\" " + text + "\"\n";
    char label[32];
    std::snprintf(label, sizeof label, "_string_0x%x\n", i);
    table += label + ("\tDATA \"" + text + "\"\n");
  }
  write("strings.f", source + ";\n");
  ASSERT_EQ(compile({"strings.f"}), 0) << errors_;
  std::string out = read("out.asm");
  std::size_t start = out.find("; String Table \n");
  std::size_t end = out.find("; Return Table \n");
  ASSERT_NE(start, std::string::npos);
  EXPECT_EQ(out.substr(start, end - start), table);
}

TEST_F(CompilerTest, IncludedFileMustBeARegularFile) {
  if (!fs::exists("/dev/zero")) GTEST_SKIP() << "no endless device file here";
  write("dev.f", ": a ;\nfload /dev/zero\n");
  EXPECT_EQ(compile({"dev.f"}), 1);
  EXPECT_EQ(errors_, "Cannot open file: /dev/zero\n");
}

TEST_F(CompilerTest, MegabyteTokenIsCutIntoPieces) {
  write("long.f", std::string(1 << 20, 'x'));
  EXPECT_EQ(compile({"long.f"}), 2);
  EXPECT_EQ(errors_, "long.f(1):Unrecognized word: " + std::string(199, 'x') + "\n");
}

}  // namespace
}  // namespace kestrel
