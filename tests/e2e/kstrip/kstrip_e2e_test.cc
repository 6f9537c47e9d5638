// Runs the kstrip program on assembly files in a fresh directory and checks
// everything it leaves: exit status, standard output, standard error and
// every file in the directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "stripper/test_directory.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>
#endif

namespace kestrel::strip {
namespace {

namespace fs = std::filesystem;

const std::string kBannerLine = "KESTREL recursive unreferenced code stripper v0.10.9\n";
const std::string kBlockBanner = ";***************************************************";

struct Result {
  int status;
  std::string out;
  std::string err;
  bool operator==(const Result&) const = default;
};

void PrintTo(const Result& result, std::ostream* os) {
  *os << "status " << result.status << "\n--- stdout:\n" << result.out << "--- stderr:\n" << result.err;
}

// Relative path and content of every file under a directory; a directory
// shows as its path with "/" and empty content.
using Files = std::map<std::string, std::string>;

Files filesUnder(const fs::path& root) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    std::string name = entry.path().lexically_relative(root).generic_string();
    if (entry.is_symlink()) {
      files[name + "@"] = fs::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      files[name + "/"] = "";
    } else {
      files[name] = readFile(entry.path());
    }
  }
  return files;
}

// For texts too long for a full diff: shows where they part.
testing::AssertionResult sameLongText(const std::string& actual, const std::string& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  std::size_t lineStart = expected.rfind('\n', at == 0 ? 0 : at - 1);
  lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
  return testing::AssertionFailure() << "texts of " << actual.size() << " and " << expected.size()
                                     << " bytes differ at byte " << at << ", expected line: \""
                                     << expected.substr(lineStart, 80) << "\", actual: \""
                                     << actual.substr(lineStart, 80) << "\"";
}

// The hand-written case, also the input of the tests below that need any
// file with routines to strip.
const std::string kHandWritten = "unreferenced_chains_go_roots_and_cycles_stay";

std::string testData(const std::string& name) { return readFile(fs::path(KSTRIP_CASES_DIR) / name); }

std::string withCrLf(const std::string& text) {
  std::string converted;
  for (char c : text) {
    if (c == '\n') converted += '\r';
    converted += c;
  }
  return converted;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

int exitStatus(int systemResult) {
#ifdef _WIN32
  return systemResult;
#else
  return WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1;  // -1: killed by a signal
#endif
}

class KstripTest : public testing::Test {
 protected:
  KstripTest() { fs::create_directory(work()); }

  // The directory the program runs in; its captured output lies beside it.
  fs::path work() const { return dir_ / "work"; }

  Result run(const std::vector<std::string>& arguments) {
    std::string command = quoted(KSTRIP_PROGRAM);
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    command += " >" + quoted((dir_ / "stdout").string()) + " 2>" + quoted((dir_ / "stderr").string());
#ifdef _WIN32
    command = quoted(command);  // cmd.exe drops the outer pair of quotes
#endif
    fs::path previous = fs::current_path();
    fs::current_path(work());
    int status = exitStatus(std::system(command.c_str()));
    fs::current_path(previous);
    return Result{status, readFile(dir_ / "stdout"), readFile(dir_ / "stderr")};
  }

  void write(const std::string& name, const std::string& content) {
    fs::create_directories((work() / name).parent_path());
    writeFile(work() / name, content);
  }

  Files files() const { return filesUnder(work()); }

 private:
  TestDirectory dir_;
};

// --- Stripping ---------------------------------------------------------------

// Each case cases/NAME.asm comes with the stripped file NAME.stripped.asm
// and the standard output NAME.out:
// - unreferenced_chains_go_roots_and_cycles_stay: written by hand in kcomp's
//   block format, with chains, recursion, roots, references from the
//   prelude, the tables and comments, and CALL;
// - shared_labels_and_long_names_accepted: shared labels, a comment taken as a
//   target, long names and lines;
// - hello_keeps_only_the_core_words_it_uses: what kcomp wrote for
//   examples/hello.f (results checked against a separate implementation of
//   the stripping rules).
struct Fixture {
  std::string name;
};

void PrintTo(const Fixture& fixture, std::ostream* os) { *os << fixture.name; }

class FixtureTest : public KstripTest, public testing::WithParamInterface<Fixture> {};

TEST_P(FixtureTest, StripsAndKeepsBackup) {
  const std::string name = GetParam().name;
  const std::string input = testData(name + ".asm");
  write(name + ".asm", input);
  EXPECT_EQ(run({name + ".asm"}), (Result{0, testData(name + ".out"), ""}));
  EXPECT_EQ(files(), (Files{{name + ".asm", testData(name + ".stripped.asm")}, {name + ".~", input}}));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FixtureTest,
                         testing::Values(Fixture{kHandWritten}, Fixture{"shared_labels_and_long_names_accepted"},
                                         Fixture{"hello_keeps_only_the_core_words_it_uses"}));

TEST_F(KstripTest, CrLfFileStripsLikeLfFile) {
  const std::string input = withCrLf(testData(kHandWritten + ".asm"));
  write("program.asm", input);
  EXPECT_EQ(run({"program.asm"}), (Result{0, testData(kHandWritten + ".out"), ""}));
  EXPECT_EQ(files(), (Files{{"program.asm", testData(kHandWritten + ".stripped.asm")}, {"program.~", input}}));
}

TEST_F(KstripTest, FileWithoutBlocksIsCopiedLineByLine) {
  write("plain.asm", "\tinclude \"kcomp.inc\"\r\n\tcall _x\n\n;!##\n\tend");
  EXPECT_EQ(run({"plain.asm"}), (Result{0, kBannerLine, ""}));
  EXPECT_EQ(files(), (Files{{"plain.asm", "\tinclude \"kcomp.inc\"\n\tcall _x\n\n;!##\n\tend\n"},
                            {"plain.~", "\tinclude \"kcomp.inc\"\r\n\tcall _x\n\n;!##\n\tend"}}));
}

TEST_F(KstripTest, EmptyFile) {
  write("empty.asm", "");
  EXPECT_EQ(run({"empty.asm"}), (Result{0, kBannerLine, ""}));
  EXPECT_EQ(files(), (Files{{"empty.asm", ""}, {"empty.~", ""}}));
}

TEST_F(KstripTest, HugeLinesAreCopiedUnchanged) {
  std::string huge(3 * 1024 * 1024, 'h');
  std::string input = "x" + huge + "\n" + ";!### FORTH Word: main\n_main " + huge + "\n" + kBlockBanner + huge;
  write("big.asm", input);
  EXPECT_EQ(run({"big.asm"}), (Result{0, kBannerLine + " calldepth: 0   Function: main\n", ""}));
  std::string expected = "x" + huge + "\n" + ";!### FORTH Word: main\n_main\n " + huge + "\n" + kBlockBanner + huge + "\n";
  Files after = files();
  EXPECT_EQ(after.size(), 2u);
  EXPECT_TRUE(sameLongText(after["big.asm"], expected));
  EXPECT_TRUE(sameLongText(after["big.~"], input));
}

TEST_F(KstripTest, LongCallChainsAreRemovedOrMeasuredWhole) {
  // main calls k0, k0 calls k1 and so on; nothing starts the chain of the
  // d routines, which is written with its end first.
  const int length = 50000;
  std::string input = ";!### FORTH Word: main\n_main\n\tcall _k0\n" + kBlockBanner + "\n";
  for (int i = length - 1; i >= 0; --i) {
    input += ";!### FORTH Word: d" + std::to_string(i) + "\n_d" + std::to_string(i) + "\n\tcall _d" +
             std::to_string(i + 1) + "\n" + kBlockBanner + "\n";
  }
  std::string stripped = ";!### FORTH Word: main\n_main\n\n\tcall _k0\n" + kBlockBanner + "\n";
  std::string out = kBannerLine;
  for (int i = length - 1; i >= 0; --i) {
    stripped += "\n";
    out += "Stripping d" + std::to_string(i) + "\n";
  }
  out += " calldepth: " + std::to_string(length) + "   Function: main\n";
  for (int i = 0; i < length; ++i) {
    std::string name = std::to_string(i);
    name.insert(name.begin(), 'k');
    std::string block = ";!### FORTH Word: " + name + "\n_" + name + "\n";
    std::string body = "\tcall _k" + std::to_string(i + 1) + "\n" + kBlockBanner + "\n";
    input += block + body;
    stripped += block + "\n" + body;
    out += " calldepth: " + std::to_string(length - 1 - i) + "   Function: " + name + "\n";
  }
  write("chain.asm", input);
  Result result = run({"chain.asm"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(sameLongText(result.out, out));
  Files after = files();
  EXPECT_EQ(after.size(), 2u);
  EXPECT_TRUE(sameLongText(after["chain.asm"], stripped));
  EXPECT_TRUE(sameLongText(after["chain.~"], input));
}

// Random mixtures of block syntax, binary bytes and line ends: whatever
// kstrip makes of them, it completes and keeps the input as the backup.
TEST_F(KstripTest, ArbitraryBytesNeverStopIt) {
  const std::vector<std::string> pieces = {";!### FORTH Word: main\n", ";!### Interrupt:  x\r\n", ";!###", "_a ", "_b\n",
                                           "call ", "goto\t", "lcall\n", "pushaddr ", ";", kBlockBanner, "\r",
                                           "\r\n", "\n", " ", std::string("\0", 1), "\xff\x80", ";*******************"};
  std::mt19937 random(4242);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 12; ++round) {
    std::string input;
    for (int i = 0; i < 400; ++i) {
      input += (i % 7 == 0) ? std::string(1, static_cast<char>(byte(random))) : pieces[pick(random)];
    }
    write("noise.asm", input);
    Result result = run({"noise.asm"});
    ASSERT_EQ(result.status, 0) << "round " << round;
    ASSERT_EQ(result.err, "");
    ASSERT_EQ(result.out.substr(0, kBannerLine.size()), kBannerLine);
    Files after = files();
    ASSERT_EQ(after.size(), 2u);
    ASSERT_EQ(after["noise.~"], input);
    fs::remove(work() / "noise.~");
  }
}

// --- Backup names ------------------------------------------------------------

struct BackupCase {
  std::string input;
  std::string backup;
};

void PrintTo(const BackupCase& names, std::ostream* os) { *os << names.input; }

class BackupFileTest : public KstripTest, public testing::WithParamInterface<BackupCase> {};

TEST_P(BackupFileTest, OldBackupIsReplaced) {
  const std::string input = ";!### FORTH Word: main\n_main\n" + kBlockBanner + "\n";
  write(GetParam().input, input);
  write(GetParam().backup, "old backup");
  EXPECT_EQ(run({GetParam().input}), (Result{0, kBannerLine + " calldepth: 0   Function: main\n", ""}));
  Files expected = {{GetParam().input, ";!### FORTH Word: main\n_main\n\n" + kBlockBanner + "\n"},
                    {GetParam().backup, input}};
  if (std::size_t slash = GetParam().input.find('/'); slash != std::string::npos) {
    expected[GetParam().input.substr(0, slash) + "/"] = "";
  }
  EXPECT_EQ(files(), expected);
}

INSTANTIATE_TEST_SUITE_P(Names, BackupFileTest,
                         testing::Values(BackupCase{"prog.asm", "prog.~"}, BackupCase{"prog.v2.asm", "prog.~"},
                                         BackupCase{"prog", "prog.~"}, BackupCase{"dir.v2/prog.asm", "dir.v2/prog.~"},
                                         BackupCase{"dir.v2/prog", "dir.v2/prog.~"}));

TEST_F(KstripTest, BackupNameTakenByDirectoryLeavesEverythingInPlace) {
  const std::string input = testData(kHandWritten + ".asm");
  write("program.asm", input);
  write("program.~/keep", "x");
  const std::string exists = std::make_error_code(std::errc::file_exists).message();
  EXPECT_EQ(run({"program.asm"}),
            (Result{0, testData(kHandWritten + ".out"),
                    "Cannot rename input file: " + exists + "\nCannot rename temp file.: " + exists + "\n"}));
  EXPECT_EQ(files(), (Files{{"program.asm", input},
                            {"program.~/", ""},
                            {"program.~/keep", "x"},
                            {"stripped.asm", testData(kHandWritten + ".stripped.asm")}}));
}

// --- Failures ----------------------------------------------------------------

TEST_F(KstripTest, NeedsExactlyOneArgument) {
  write("a.asm", "a");
  const Result usage{1, kBannerLine, "Need one file to process.\n"};
  EXPECT_EQ(run({}), usage);
  EXPECT_EQ(run({"a.asm", "a.asm"}), usage);
  EXPECT_EQ(files(), (Files{{"a.asm", "a"}}));
}

TEST_F(KstripTest, InputThatCannotBeOpened) {
  fs::create_directory(work() / "dir.asm");
  EXPECT_EQ(run({"missing.asm"}), (Result{2, kBannerLine, "Can not open missing.asm\n"}));
  EXPECT_EQ(run({"dir.asm"}), (Result{2, kBannerLine, "Can not open dir.asm\n"}));
  EXPECT_EQ(run({""}), (Result{2, kBannerLine, "Can not open \n"}));
  EXPECT_EQ(files(), (Files{{"dir.asm/", ""}}));
}

TEST_F(KstripTest, InputThatCannotBeRead) {
  // Reading this file from its start fails on Linux.
  if (!fs::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  write("stripped.asm", "from an earlier run");
  EXPECT_EQ(run({"/proc/self/mem"}), (Result{2, kBannerLine, "Can not open /proc/self/mem\n"}));
  EXPECT_EQ(files(), (Files{{"stripped.asm", "from an earlier run"}}));
}

TEST_F(KstripTest, InputThatIsNoRegularFile) {
  // Stripping a device would move it away; the link stands for it here.
  if (!fs::exists("/dev/null")) GTEST_SKIP() << "no /dev/null";
  fs::create_symlink("/dev/null", work() / "null.asm");
  EXPECT_EQ(run({"null.asm"}), (Result{2, kBannerLine, "Can not open null.asm\n"}));
  EXPECT_EQ(files(), (Files{{"null.asm@", "/dev/null"}}));
}

TEST_F(KstripTest, RefusesToStripTheTemporaryFileItself) {
  const std::string input = testData(kHandWritten + ".asm");
  write("stripped.asm", input);
  fs::create_directory(work() / "sub");
  fs::create_hard_link(work() / "stripped.asm", work() / "link.asm");
  const Result refused{3, kBannerLine, "Can not write temporary file.\n"};
  for (const std::string& name : {std::string("stripped.asm"), std::string("./stripped.asm"),
                                  std::string("sub/../stripped.asm"), (work() / "stripped.asm").string(),
                                  std::string("link.asm")}) {
    EXPECT_EQ(run({name}), refused) << name;
  }
  EXPECT_EQ(files(), (Files{{"stripped.asm", input}, {"link.asm", input}, {"sub/", ""}}));

  // Also when stripped.asm is a link to the input.
  fs::remove(work() / "stripped.asm");
  std::error_code error;
  fs::create_symlink("link.asm", work() / "stripped.asm", error);
  if (error) GTEST_SKIP() << "cannot create symbolic links here";
  EXPECT_EQ(run({"link.asm"}), refused);
  EXPECT_EQ(files(), (Files{{"stripped.asm@", "link.asm"}, {"link.asm", input}, {"sub/", ""}}));
}

TEST_F(KstripTest, TemporaryFileThatCannotBeCreated) {
  write("program.asm", testData(kHandWritten + ".asm"));
  fs::create_directory(work() / "stripped.asm");
  EXPECT_EQ(run({"program.asm"}), (Result{3, kBannerLine, "Can not write temporary file.\n"}));
  EXPECT_EQ(files(), (Files{{"program.asm", testData(kHandWritten + ".asm")}, {"stripped.asm/", ""}}));
}

// A link of the temporary file's name is removed, never written through:
// the file it leads to keeps its text.
TEST_F(KstripTest, LinkNamedLikeTheTemporaryFileIsNeverFollowed) {
  write("program.asm", testData(kHandWritten + ".asm"));
  write("victim", "keep me");
  std::error_code error;
  fs::create_symlink("victim", work() / "stripped.asm", error);
  if (error) GTEST_SKIP() << "cannot create symbolic links here";
  EXPECT_EQ(run({"program.asm"}), (Result{0, testData(kHandWritten + ".out"), ""}));
  EXPECT_EQ(files(), (Files{{"program.asm", testData(kHandWritten + ".stripped.asm")},
                            {"program.~", testData(kHandWritten + ".asm")},
                            {"victim", "keep me"}}));
}

#ifndef _WIN32
// --- Interrupted runs ----------------------------------------------------------

// Killed at several moments, kstrip leaves the input either as it was or
// stripped, never a part of either; a signal other than kill -9 also
// removes stripped.asm and any copy it was making.
TEST_F(KstripTest, InterruptedRunLeavesTheInputOldOrStripped) {
  std::string input;
  while (input.size() < (4u << 20)) input += testData(kHandWritten + ".asm");
  write("big.asm", input);
  ASSERT_EQ(run({"big.asm"}).status, 0);
  const std::string stripped = readFile(work() / "big.asm");
  ASSERT_NE(stripped, input);

  const std::vector<std::pair<int, int>> kills = {{SIGKILL, 0}, {SIGKILL, 10}, {SIGKILL, 30}, {SIGKILL, 60},
                                                  {SIGTERM, 10}, {SIGINT, 30}, {SIGHUP, 45}, {SIGPIPE, 20}};
  for (auto [signal, delayMs] : kills) {
    fs::remove(work() / "big.~");
    fs::remove(work() / "stripped.asm");
    write("big.asm", input);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGPIPE, SIG_DFL);
      int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      if (chdir(work().c_str()) != 0) _exit(127);
      execl(KSTRIP_PROGRAM, KSTRIP_PROGRAM, "big.asm", static_cast<char*>(nullptr));
      _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    kill(child, signal);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::string after = readFile(work() / "big.asm");
    EXPECT_TRUE(after == input || after == stripped) << "signal " << signal << " after " << delayMs << " ms";
    bool interrupted = WIFSIGNALED(status);
    for (const auto& [name, content] : files()) {
      if (name == "big.asm" || name == "big.~") continue;
      EXPECT_TRUE(signal == SIGKILL && (name == "stripped.asm" || name.find(".kstrip-") != std::string::npos))
          << name << " left by signal " << signal << " after " << delayMs << " ms";
    }
    if (!interrupted) {
      EXPECT_EQ(after, stripped);
    }
  }
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KSTRIP_ADDRESS_SANITIZER 1
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(KSTRIP_ADDRESS_SANITIZER)
// (A sanitized program reserves far more address space than it uses.)
// Under a range of address-space limits, kstrip either completes or ends
// with "Out of memory." and status 2, the input whole; it never aborts.
TEST_F(KstripTest, RunningOutOfMemoryEndsInOrder) {
  std::string input;
  while (input.size() < (4u << 20)) input += testData(kHandWritten + ".asm");
  bool ranOut = false;
  for (int megabytes = 4; megabytes <= 16; megabytes += 2) {
    write("big.asm", input);
    fs::remove(work() / "big.~");
    const fs::path errors = work().parent_path() / "stderr";
    std::string command = "cd " + quoted(work().string()) + " && ulimit -v " + std::to_string(megabytes * 1024) +
                          " && " + quoted(KSTRIP_PROGRAM) + " big.asm >/dev/null 2>" + quoted(errors.string());
    Result result{exitStatus(std::system(command.c_str())), "", readFile(errors)};
    if (result.status == 127) continue;  // too small even to load the program
    if (result.status == 2) {
      ranOut = true;
      EXPECT_EQ(result.err, "Out of memory.\n") << megabytes;
      EXPECT_TRUE(readFile(work() / "big.asm") == input) << megabytes;
      EXPECT_FALSE(fs::exists(work() / "stripped.asm")) << megabytes;
    } else {
      EXPECT_EQ(result.status, 0) << megabytes << ": " << result.err;
    }
  }
  EXPECT_TRUE(ranOut) << "no limit was small enough";
}
#endif
#endif

}  // namespace
}  // namespace kestrel::strip
