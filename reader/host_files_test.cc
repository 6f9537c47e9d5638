// New files must never be made through an existing name or link, a
// temporary file must be recognisable and vanish on an interrupting signal,
// and file identity must see through links.
#include "reader/host_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <fcntl.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class HostFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kestrel-host-files-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static void write(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
  static std::string read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::vector<std::string> names() const {
    std::vector<std::string> list;
    for (const auto& entry : fs::directory_iterator(dir_)) list.push_back(entry.path().filename().string());
    std::sort(list.begin(), list.end());
    return list;
  }

  fs::path dir_;
};

TEST_F(HostFilesTest, NewFileIsNeverMadeOverAnExistingNameOrLink) {
  write(path("old"), "old text");
  EXPECT_EQ(createNewFile(path("old")), nullptr);
  EXPECT_EQ(read(path("old")), "old text");
#ifndef _WIN32
  fs::create_symlink(path("old"), path("link"));
  fs::create_symlink(path("nowhere"), path("dangling"));
  EXPECT_EQ(createNewFile(path("link")), nullptr);
  EXPECT_EQ(createNewFile(path("dangling")), nullptr);
  EXPECT_FALSE(fs::exists(path("nowhere")));
  EXPECT_EQ(read(path("old")), "old text");
#endif
  std::FILE* file = createNewFile(path("new"));
  ASSERT_NE(file, nullptr);
  std::fputs("new text", file);
  std::fclose(file);
  EXPECT_EQ(read(path("new")), "new text");
}

TEST_F(HostFilesTest, FileBesideTheTargetIsNamedAfterItAndNeverReused) {
  write(path("out.asm"), "old");
  std::string first, second;
  std::FILE* a = createFileBeside(path("out.asm"), first);
  std::FILE* b = createFileBeside(path("out.asm"), second);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(fs::path(first).parent_path(), dir_);
  EXPECT_EQ(fs::path(first).filename().string().rfind("out.asm.kcomp-", 0), 0u) << first;
  EXPECT_EQ(fs::path(first).extension(), ".tmp");
  std::fclose(a);
  std::fclose(b);
  EXPECT_EQ(read(path("out.asm")), "old");
  EXPECT_TRUE(replaceFile(first, path("out.asm")));
  EXPECT_EQ(read(path("out.asm")), "");
  EXPECT_FALSE(fs::exists(first));
  // A target that does not exist yet is simply made.
  EXPECT_TRUE(replaceFile(second, path("new.asm")));
  EXPECT_TRUE(fs::exists(path("new.asm")));
  EXPECT_FALSE(fs::exists(second));
  EXPECT_FALSE(replaceFile(second, path("out.asm")));  // gone already
  EXPECT_EQ(read(path("out.asm")), "");

  std::string none;
  EXPECT_EQ(createFileBeside(path("no/such/dir/out.asm"), none), nullptr);
}

TEST_F(HostFilesTest, IdentitySeesThroughLinksAndTellsFilesApart) {
  write(path("a"), "12345");
  write(path("b"), "12345");
  FileId a = fileIdOf(path("a"));
  EXPECT_TRUE(a.regular);
  EXPECT_EQ(a.size, 5u);
  EXPECT_FALSE(fileIdOf(path("missing")).known);
  EXPECT_FALSE(sameFile(fileIdOf(path("missing")), fileIdOf(path("missing"))));
#ifndef _WIN32
  EXPECT_FALSE(sameFile(a, fileIdOf(path("b"))));
  fs::create_hard_link(path("a"), path("hard"));
  fs::create_symlink(path("a"), path("soft"));
  EXPECT_TRUE(sameFile(a, fileIdOf(path("hard"))));
  EXPECT_TRUE(sameFile(a, fileIdOf(path("soft"))));
  std::FILE* open = std::fopen(path("soft").c_str(), "rb");
  ASSERT_NE(open, nullptr);
  EXPECT_TRUE(sameFile(a, fileIdOf(open)));
  std::fclose(open);
  EXPECT_FALSE(fileIdOf("/dev/null").regular);
#endif
}

#ifndef _WIN32
TEST_F(HostFilesTest, NewFileTakesThePermissionsOfTheFileItReplaces) {
  write(path("target"), "");
  fs::permissions(path("target"), fs::perms::owner_read | fs::perms::owner_write);
  std::string temporary;
  std::FILE* file = createFileBeside(path("target"), temporary);
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_EQ(fs::status(temporary).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(HostFilesTest, ScratchFileLiesInTmpdirAndLeavesNoName) {
  const char* old = std::getenv("TMPDIR");
  std::string saved = old ? old : "";
  setenv("TMPDIR", dir_.c_str(), 1);
  std::string name;
  std::FILE* file = createScratchFile(name);
  if (old) setenv("TMPDIR", saved.c_str(), 1); else unsetenv("TMPDIR");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(fs::path(name).parent_path(), dir_);
  EXPECT_TRUE(names().empty());  // gone from the folder, alive while open
  ASSERT_GE(std::fputs("scratch", file), 0);
  std::rewind(file);
  char text[8] = {};
  EXPECT_EQ(std::fread(text, 1, 7, file), 7u);
  EXPECT_STREQ(text, "scratch");
  std::fclose(file);
}

// Each signal in a child of its own: the registered file is removed, the
// one no longer registered stays, and the child ends by that signal.
TEST_F(HostFilesTest, InterruptingSignalsRemoveRegisteredFiles) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
    std::string kept = path("kept"), removed = path("removed");
    write(kept, "");
    write(removed, "");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      removeOnSignal(kept);
      removeOnSignal(removed);
      keepOnSignal(kept);
      std::raise(signal);
      _exit(0);  // not reached when the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_TRUE(fs::exists(kept)) << signal;
    EXPECT_FALSE(fs::exists(removed)) << signal;
  }
}

TEST_F(HostFilesTest, ClosedStandardStreamsAreNotTakenByNewFiles) {
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(1);
    close(2);
    openClosedStandardStreams();
    std::FILE* file = std::fopen(path("new").c_str(), "w");
    _exit(file != nullptr && fileno(file) > 2 && fcntl(1, F_GETFD) != -1 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
#endif

}  // namespace
}  // namespace kestrel
