#include "stripper/file_replacement.h"

#include <gtest/gtest.h>

#include <sstream>

#include "stripper/test_directory.h"

namespace kestrel::strip {
namespace {

namespace fs = std::filesystem;

TEST(BackupNameTest, CutAtFirstDotOfFileNamePart) {
  EXPECT_EQ(backupNameFor("prog.asm"), "prog.~");
  EXPECT_EQ(backupNameFor("prog.v2.asm"), "prog.~");
  EXPECT_EQ(backupNameFor("prog"), "prog.~");
  EXPECT_EQ(backupNameFor("dir.v2/prog.asm"), "dir.v2/prog.~");
  EXPECT_EQ(backupNameFor("dir.v2/prog"), "dir.v2/prog.~");
  EXPECT_EQ(backupNameFor("./out.asm"), "./out.~");
  EXPECT_EQ(backupNameFor("../a.b/c.d/e.f.g"), "../a.b/c.d/e.~");
  EXPECT_EQ(backupNameFor(".hidden"), ".~");
  EXPECT_EQ(backupNameFor("prog.~"), "prog.~");
  std::string longName(300, 'x');
  EXPECT_EQ(backupNameFor(longName + ".asm"), longName + ".~");
}

TEST(ReplaceInputTest, MovesAcrossFileSystemsByCopying) {
  // The stripped copy lies in the current directory, the input possibly on
  // another file system; /dev/shm is one where it exists.
  const fs::path otherFileSystem = "/dev/shm";
  if (!fs::is_directory(otherFileSystem)) GTEST_SKIP() << "no second file system to move to";
  TestDirectory dir;
  writeFile(dir / "stripped.asm", "stripped");
  const fs::path target = otherFileSystem / ("kstrip-move-" + dir.path().filename().string());
  std::error_code error = moveWithoutReplacing(dir / "stripped.asm", target);
  EXPECT_FALSE(error) << error.message();
  EXPECT_EQ(readFile(target), "stripped");
  EXPECT_FALSE(fs::exists(dir / "stripped.asm"));
  fs::remove(target);
}

const std::string kFileExists = std::make_error_code(std::errc::file_exists).message();

TEST(ReplaceInputTest, InputThatIsItsOwnBackupIsLeftAlone) {
  TestDirectory dir;
  writeFile(dir / "prog.~", "input");
  writeFile(dir / "stripped.asm", "stripped");
  std::ostringstream errors;
  replaceInputFile((dir / "prog.~").string(), dir / "stripped.asm", errors);
  EXPECT_EQ(errors.str(), "Cannot rename input file: " + kFileExists + "\nCannot rename temp file.: " + kFileExists + "\n");
  EXPECT_EQ(readFile(dir / "prog.~"), "input");
  EXPECT_EQ(readFile(dir / "stripped.asm"), "stripped");
}

// A copy onto another file system that fails half way (here: the stripped
// "file" cannot be read) leaves the input whole under its name, and no
// temporary file beside it.
TEST(ReplaceInputTest, FailedCopyAcrossFileSystemsLeavesTheInputWhole) {
  const fs::path otherFileSystem = "/dev/shm";
  if (!fs::is_directory(otherFileSystem)) GTEST_SKIP() << "no second file system to move to";
  TestDirectory dir;
  fs::create_directory(dir / "stripped.asm");  // opens, but every read fails
  const fs::path inputDir = otherFileSystem / ("kstrip-copy-" + dir.path().filename().string());
  fs::create_directory(inputDir);
  writeFile(inputDir / "prog.asm", "input");
  std::ostringstream errors;
  EXPECT_FALSE(replaceInputFile((inputDir / "prog.asm").string(), dir / "stripped.asm", errors));
  EXPECT_EQ(errors.str().rfind("Cannot rename temp file.: ", 0), 0u) << errors.str();
  EXPECT_EQ(readFile(inputDir / "prog.asm"), "input");
  for (const auto& entry : fs::directory_iterator(inputDir)) {
    std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "prog.asm" || name == "prog.~") << name;
  }
  fs::remove_all(inputDir);
}

}  // namespace
}  // namespace kestrel::strip
