// The real kcomp must never lose or mix up a file: a run killed at any
// moment leaves each output as it was or complete, no output ever replaces
// a file the run reads, and every file that cannot be written fails the
// run. These runs need POSIX (fork, signals, links, FIFOs).
#include <gtest/gtest.h>

#include "case_runner.h"

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace e2e {
namespace {

const fs::path kPrelude = fs::path(KCOMP_CASES_DIR) / "_prelude";

class FileSafetyTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::canonical(makeScratchDir("file-safety"));
    copyTree(kPrelude, dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path at(const std::string& name) const { return dir_ / name; }
  void write(const std::string& name, const std::string& text) const { writeFile(at(name), text); }
  std::string read(const std::string& name) const { return readFile(at(name)); }
  RunResult kcomp(const std::vector<std::string>& args, const Environment& env = {{"KR_LIB", std::nullopt}}) const {
    return runProgram(KCOMP_PATH, args, dir_, env);
  }
  // Names in the run folder that a run leaves behind as temporary files.
  std::vector<std::string> temporaries() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      std::string name = entry.path().filename().string();
      if (name.find(".kcomp-") != std::string::npos) found.push_back(name);
    }
    return found;
  }

  // Starts kcomp in the run folder with the standard streams given (or
  // the null device), and returns its process id.
  pid_t start(const std::vector<std::string>& args, int out = -1) const {
    pid_t child = fork();
    if (child == 0) {
      signal(SIGPIPE, SIG_DFL);  // as a shell would start it
      if (chdir(dir_.c_str()) != 0) _exit(127);
      int null = open("/dev/null", O_WRONLY);
      dup2(out >= 0 ? out : null, 1);
      dup2(null, 2);
      std::vector<char*> argv = {const_cast<char*>(KCOMP_PATH)};
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execv(KCOMP_PATH, argv.data());
      _exit(127);
    }
    return child;
  }

  // A program large enough that its compilation takes a while.
  void writeLargeProgram(const std::string& name) const {
    std::string source = ": dup ; : drop ;\n";
    for (int i = 0; i < 15000; ++i) source += ": w" + std::to_string(i) + " dup drop 1234 s\" text\" drop ;\n";
    write(name, source);
  }

  fs::path dir_;
};

// Killed at several moments over an older, longer output: the output is
// the older file or the complete new one, never new text over old.
TEST_F(FileSafetyTest, KilledRunLeavesOutputOldOrComplete) {
  writeLargeProgram("big.f");
  ASSERT_EQ(kcomp({"big.f"}).status, 0);
  const std::string complete = read("out.asm");
  std::string old;
  while (old.size() < 2 * complete.size()) old += "; an older program\n\tgoto _old\n";

  const std::vector<std::pair<int, int>> kills = {
      {SIGKILL, 0}, {SIGKILL, 5}, {SIGKILL, 20}, {SIGKILL, 50}, {SIGKILL, 100},
      {SIGTERM, 5}, {SIGINT, 20}, {SIGHUP, 50}, {SIGPIPE, 30}};
  for (auto [signal, delayMs] : kills) {
    {
      write("out.asm", old);
      pid_t child = start({"big.f"});
      ASSERT_GT(child, 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
      kill(child, signal);
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      std::string after = read("out.asm");
      EXPECT_TRUE(after == old || after == complete) << "signal " << signal << " after " << delayMs << " ms";
      if (WIFSIGNALED(status) && signal != SIGKILL) {
        EXPECT_TRUE(temporaries().empty()) << "signal " << signal << " after " << delayMs << " ms";
      }
      for (const std::string& name : temporaries()) {  // only a kill -9 may leave one
        EXPECT_EQ(signal, SIGKILL) << name;
        EXPECT_EQ(name.rfind("out.asm.kcomp-", 0), 0u) << name;
        fs::remove(at(name));
      }
    }
  }
}

// A reader that goes away early ends the run by SIGPIPE when the report
// is printed: the output stays as it was, and no temporary file is left.
TEST_F(FileSafetyTest, ClosedConsolePipeLeavesOutputOldOrComplete) {
  writeLargeProgram("big.f");
  ASSERT_EQ(kcomp({"big.f"}).status, 0);
  const std::string complete = read("out.asm");
  write("out.asm", "; older\n");
  int pipeEnds[2];
  ASSERT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);  // the child keeps no reading end
  pid_t child = start({"big.f"}, pipeEnds[1]);
  close(pipeEnds[1]);
  close(pipeEnds[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE);
  std::string after = read("out.asm");
  EXPECT_TRUE(after == "; older\n" || after == complete);
  EXPECT_TRUE(temporaries().empty());
}

TEST_F(FileSafetyTest, OutputThatIsTheInputUnderAnyNameIsRefused) {
  const std::string program = ": a ;\n";
  write("main.f", program);
  fs::create_symlink("main.f", at("soft.asm"));
  fs::create_hard_link(at("main.f"), at("hard.asm"));
  for (const char* output : {"main.f", "soft.asm", "hard.asm", "./main.f", "kcomp.inc", "internal.inc"}) {
    RunResult run = kcomp({"-o", output, "main.f"});
    EXPECT_EQ(run.status, 1) << output;
    EXPECT_EQ(run.err, std::string("Cannot open file: ") + output + "\n");
    EXPECT_EQ(read("main.f"), program);
  }
  EXPECT_TRUE(temporaries().empty());
}

// A loaded file that the run writes fails the run at its fload, also when
// the output was opened long before; the loaded file keeps its text.
TEST_F(FileSafetyTest, LoadedFileThatTheRunWritesIsRefusedAtItsLoad) {
  write("inc.f", ": b ;\n");
  write("main.f", ": a ;\nfload inc.f\n: c ;\n");
  RunResult run = kcomp({"-o", "inc.f", "main.f"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Cannot open file: inc.f\n");
  EXPECT_EQ(read("inc.f"), ": b ;\n");

  fs::create_hard_link(at("inc.f"), at("out.asm"));
  run = kcomp({"main.f"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Cannot open file: out.asm\n");
  EXPECT_EQ(read("inc.f"), ": b ;\n");
  EXPECT_EQ(read("out.asm"), ": b ;\n");  // the refused output is dropped

  write("loader.f", ": a ;\nfload stringsp.f\n");
  write("stringsp.f", ": s ;\n");
  run = kcomp({"-r", "0", "loader.f"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Cannot open file: stringsp.f\n");
  EXPECT_EQ(read("stringsp.f"), ": s ;\n");
  EXPECT_TRUE(temporaries().empty());
}

// An output name that is a link is replaced as a name: the file it led to
// is not written through it.
TEST_F(FileSafetyTest, OutputLinkIsReplacedNotFollowed) {
  write("main.f", ": a ;\n");
  write("elsewhere.asm", "; keep me\n");
  fs::create_symlink("elsewhere.asm", at("out.asm"));
  ASSERT_EQ(kcomp({"main.f"}).status, 0);
  EXPECT_EQ(read("elsewhere.asm"), "; keep me\n");
  EXPECT_FALSE(fs::is_symlink(at("out.asm")));
  EXPECT_NE(read("out.asm").find("_a\n"), std::string::npos);
}

TEST_F(FileSafetyTest, SideFilesThatCannotBeWrittenFailTheRun) {
  write("main.f", ": a ;\n");
  write("stringsp.f", "; stale\n");
  fs::create_directory(at("strindex.inc"));
  RunResult run = kcomp({"-r", "0", "main.f"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Cannot write file: strindex.inc\n");
  EXPECT_EQ(read("stringsp.f"), "; stale\n");
  fs::remove(at("strindex.inc"));

  fs::create_directory(at("strbase.inc"));
  run = kcomp({"-r", "0", "main.f"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Cannot write file: strbase.inc\n");
  EXPECT_TRUE(temporaries().empty());
}

TEST_F(FileSafetyTest, StringTableThatCannotBeSpilledFailsTheRun) {
  std::string source = ": t\n";
  for (int i = 0; i < 20000; ++i) source += "s\" " + std::string(100, 'x') + "\"\n";
  write("strings.f", source + ";\n");
  RunResult run = kcomp({"strings.f"}, {{"KR_LIB", std::nullopt}, {"TMPDIR", (dir_ / "missing").string()}});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Cannot write file: " + (dir_ / "missing").string() + "/kcomp-", 0), 0u) << run.err;
  run = kcomp({"strings.f"}, {{"KR_LIB", std::nullopt}, {"TMPDIR", dir_.string()}});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(temporaries().empty());
}

TEST_F(FileSafetyTest, FifoInputIsOpenedOnce) {
  ASSERT_EQ(mkfifo(at("pipe.f").c_str(), 0600), 0);
  std::thread writer([&] { writeFile(at("pipe.f"), ": piped ;\n"); });
  RunResult run = kcomp({"pipe.f"});
  writer.join();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(read("out.asm").find("_piped\n"), std::string::npos);
}

TEST_F(FileSafetyTest, ClosedStandardStreamsDoNotBecomeTheOutput) {
  write("main.f", ": a ;\n5 .\n");
  std::string command = "cd '" + dir_.string() + "' && '" KCOMP_PATH "' main.f >&- 2>&- <&-";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::string out = read("out.asm");
  EXPECT_EQ(out.find("KESTREL"), std::string::npos);
  EXPECT_NE(out.find("_a\n"), std::string::npos);
}

TEST_F(FileSafetyTest, DiagnosticShowsATokenWithANulByteWhole) {
  write("main.f", std::string(": a ;\nab\0cd\n", 12));
  RunResult run = kcomp({"main.f"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, std::string("main.f(2):Unrecognized word: ab\0cd\n", 35));
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTREL_ADDRESS_SANITIZER 1
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(KESTREL_ADDRESS_SANITIZER)
// (A sanitized program reserves far more address space than it uses.)
// Runs kcomp with its address space limited to `megabytes`, and with few
// open files allowed.
RunResult kcompWithinMemory(const fs::path& dir, const std::vector<std::string>& args, int megabytes) {
  std::string command = "cd '" + dir.string() + "' && ulimit -n 16 && ulimit -v " + std::to_string(megabytes * 1024) + " && '" KCOMP_PATH "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " >/dev/null 2>'" + (dir / "errors").string() + "'";
  RunResult run;
  int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  run.err = readFile(dir / "errors");
  fs::remove(dir / "errors");
  return run;
}

// Suspended files keep no buffers or handles: a chain of 30,000 nested
// loads fits in a small address space (with a buffer each it would take
// 2 GB) and a few open files.
TEST_F(FileSafetyTest, DeepChainOfLoadsNeedsLittleMemory) {
  constexpr int kDepth = 30000;
  for (int i = 0; i < kDepth; ++i) {
    write("f" + std::to_string(i) + ".f", i + 1 < kDepth ? "fload f" + std::to_string(i + 1) + ".f\n" : ": deepest ;\n");
  }
  RunResult run = kcompWithinMemory(dir_, {"f0.f"}, 300);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(read("out.asm").find("_deepest\n"), std::string::npos);
}

TEST_F(FileSafetyTest, RunningOutOfMemoryEndsTheRunInOrder) {
  std::string source;
  for (int i = 0; i < 400000; ++i) source += ": a-rather-long-word-name-" + std::to_string(i) + " ;\n";
  write("many.f", source);
  RunResult run = kcompWithinMemory(dir_, {"many.f"}, 40);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Out of memory.\n");
  EXPECT_TRUE(temporaries().empty());
}
#endif

}  // namespace
}  // namespace e2e
#endif  // !_WIN32
