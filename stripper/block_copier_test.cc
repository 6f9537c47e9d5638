#include "stripper/block_copier.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "stripper/removal.h"
#include "stripper/routine_reader.h"

namespace kestrel::strip {
namespace {

struct Copy {
  std::string text;
  std::string report;
};

// Both passes over the same text, as the program does them.
Copy stripText(const std::string& input) {
  std::istringstream firstIn(input);
  Scanner first(firstIn);
  RoutineTable table = readRoutineTable(first);
  std::vector<bool> keptLabels = findKeptLabels(table, findKeptRoutines(table));

  std::istringstream secondIn(input);
  Scanner second(secondIn);
  std::ostringstream out, report;
  copyKeptBlocks(second, table.labels, keptLabels, out, report);
  return Copy{out.str(), report.str()};
}

const std::string kBanner = ";***************************************************";

TEST(BlockCopierTest, KeptBlockGetsEmptyLineAfterLabelDroppedBlockLeavesBannerAndEmptyLine) {
  std::string input = "\tinclude \"kcomp.inc\"\n" + kBanner + "\n" +
                      ";!### FORTH Word: unused\n"
                      "_unused\n"
                      "\treturn\n" +
                      kBanner + "\n" + kBanner + "\n" +
                      ";!### FORTH Word: main\n"
                      "_main\n"
                      "\t\t\t\t\t\t; ;\n"
                      "\treturn\n" +
                      kBanner + "\n" + "\tend\n";
  Copy copy = stripText(input);
  EXPECT_EQ(copy.text, "\tinclude \"kcomp.inc\"\n" + kBanner + "\n" + "\n" + kBanner + "\n" +
                           ";!### FORTH Word: main\n"
                           "_main\n"
                           "\n"
                           "\t\t\t\t\t\t; ;\n"
                           "\treturn\n" +
                           kBanner + "\n" + "\tend\n");
  EXPECT_EQ(copy.report, "Stripping unused\n");
}

TEST(BlockCopierTest, RestOfLabelAndBannerLinesIsCopied) {
  std::string input =
      ";!### FORTH Word: main\n"
      "  _main\t; kept label\n"
      "\treturn\n" +
      kBanner + " tail of banner\n" +
      ";!### FORTH Word: gone\n"
      "_gone \tcall _x\n" +
      kBanner + "\t;after\n";
  EXPECT_EQ(stripText(input).text, ";!### FORTH Word: main\n_main\n\t; kept label\n\treturn\n" + kBanner +
                                       " tail of banner\n" + "\t;after\n");
}

TEST(BlockCopierTest, DroppingEndsAtBannerTokenWhereverItStands) {
  // Unlike the first pass, dropping does not skip comments.
  std::string input =
      ";!### FORTH Word: gone\n"
      "_gone\n"
      "\t; comment ;******************* ends it here\n"
      "\treturn\n" +
      kBanner + "\n";
  EXPECT_EQ(stripText(input).text, " ends it here\n\treturn\n" + kBanner + "\n");
}

TEST(BlockCopierTest, BlocksSharingALabelAreCopiedOrDroppedTogether) {
  std::string input = ";!### FORTH Word: first\n_twin\n" + kBanner + "\n" +
                      ";!### FORTH Word: second\n_twin\n\tcall _twin\n" + kBanner + "\n" +
                      ";!### FORTH Word: third\n_lone\n\tcall _lone2\n" + kBanner + "\n" +
                      ";!### FORTH Word: fourth\n_lone2\n" + kBanner + "\n";
  Copy copy = stripText(input);
  EXPECT_EQ(copy.text, ";!### FORTH Word: first\n_twin\n\n" + kBanner + "\n" +
                           ";!### FORTH Word: second\n_twin\n\n\tcall _twin\n" + kBanner + "\n" + "\n" + "\n");
  EXPECT_EQ(copy.report, "Stripping third\nStripping fourth\n");
}

TEST(BlockCopierTest, ReportedNameIsCutTo79Characters) {
  std::string name(79, 'n');
  std::string input = ";!### FORTH Word: " + name + "XYZ\n_a\n" + kBanner + "\n" + ";!### FORTH Word: short \n_b\n";
  Copy copy = stripText(input);
  EXPECT_EQ(copy.report, "Stripping " + name + "\nStripping short \n");
  EXPECT_EQ(copy.text, "\n");  // the second block runs into the end of the input
}

TEST(BlockCopierTest, CrLfInputGivesLfOutput) {
  std::string input = "; prelude\r\n;!### Interrupt:  tick\r\n_tick\r\n\tretfie\r\n" + kBanner + "\r\nlast";
  Copy copy = stripText(input);
  EXPECT_EQ(copy.text, "; prelude\n;!### Interrupt:  tick\n_tick\n\n\tretfie\n" + kBanner + "\nlast\n");
  EXPECT_EQ(copy.report, "");
}

TEST(BlockCopierTest, HeaderAtEndOfInput) {
  EXPECT_EQ(stripText(";!### FORTH Word: main").text, ";!### FORTH Word: main\n");
  Copy gone = stripText("x\n;!### FORTH Word: gone\n");
  EXPECT_EQ(gone.text, "x\n");
  EXPECT_EQ(gone.report, "Stripping gone\n");
}

TEST(BlockCopierTest, NearHeadersAreCopiedUnchanged) {
  std::string input = ";!##\n;!#\r\n ;!### FORTH Word: x\n;!\n;\n";
  EXPECT_EQ(stripText(input).text, ";!##\n;!#\n ;!### FORTH Word: x\n;!\n;\n");
}

}  // namespace
}  // namespace kestrel::strip
