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

const std::string kFileExists = std::make_error_code(std::errc::file_exists).message();

TEST(MoveTest, NeverReplacesAnExistingFile) {
  TestDirectory dir;
  writeFile(dir / "from", "from");
  writeFile(dir / "to", "to");
  EXPECT_EQ(moveWithoutReplacing(dir / "from", dir / "to"), std::errc::file_exists);
  EXPECT_EQ(readFile(dir / "from"), "from");
  EXPECT_EQ(readFile(dir / "to"), "to");

  fs::remove(dir / "to");
  EXPECT_FALSE(moveWithoutReplacing(dir / "from", dir / "to"));
  EXPECT_FALSE(fs::exists(dir / "from"));
  EXPECT_EQ(readFile(dir / "to"), "from");

  EXPECT_TRUE(moveWithoutReplacing(dir / "missing", dir / "elsewhere"));
}

TEST(ReplaceInputTest, OldBackupGivesWayToInput) {
  TestDirectory dir;
  writeFile(dir / "prog.asm", "old input");
  writeFile(dir / "prog.~", "older backup");
  writeFile(dir / "stripped.asm", "stripped");
  std::ostringstream errors;
  replaceInputFile((dir / "prog.asm").string(), dir / "stripped.asm", errors);
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(readFile(dir / "prog.asm"), "stripped");
  EXPECT_EQ(readFile(dir / "prog.~"), "old input");
  EXPECT_FALSE(fs::exists(dir / "stripped.asm"));
}

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

TEST(ReplaceInputTest, DirectoryInTheWayOfTheBackupStops) {
  TestDirectory dir;
  writeFile(dir / "prog.asm", "input");
  fs::create_directory(dir / "prog.~");
  writeFile(dir / "stripped.asm", "stripped");
  std::ostringstream errors;
  replaceInputFile((dir / "prog.asm").string(), dir / "stripped.asm", errors);
  EXPECT_EQ(errors.str(), "Cannot rename input file: " + kFileExists + "\nCannot rename temp file.: " + kFileExists + "\n");
  EXPECT_TRUE(fs::is_directory(dir / "prog.~"));
  EXPECT_EQ(readFile(dir / "prog.asm"), "input");
  EXPECT_EQ(readFile(dir / "stripped.asm"), "stripped");
}

TEST(ReplaceInputTest, VanishedInputIsReportedAndReplaced) {
  TestDirectory dir;
  writeFile(dir / "stripped.asm", "stripped");
  std::ostringstream errors;
  replaceInputFile((dir / "prog.asm").string(), dir / "stripped.asm", errors);
  std::string noSuchFile = std::make_error_code(std::errc::no_such_file_or_directory).message();
  EXPECT_EQ(errors.str(), "Cannot rename input file: " + noSuchFile + "\n");
  EXPECT_EQ(readFile(dir / "prog.asm"), "stripped");
  EXPECT_FALSE(fs::exists(dir / "prog.~"));
}

}  // namespace
}  // namespace kestrel::strip
