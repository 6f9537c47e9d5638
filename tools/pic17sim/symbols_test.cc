// Symbols from a gpasm listing, and number parsing for the command line.
#include <gtest/gtest.h>

#include "pic17sim/input.h"
#include "pic17sim/symbols.h"

namespace pic17sim {
namespace {

// The shape gpasm 1.4.0 gives the end of a listing: page headers repeat
// inside the table, #defines show their text, long names push the value.
constexpr const char* kListing =
    "0045   0003           00017 done    sleep\n"
    "COUNT  00000012  this line is code, not the table\n"
    "\f" "gpasm-1.4.0 #1107 (Jan  1 2021)   t.asm   12-7-2026  21:16:07    PAGE  2\n"
    "\n\n"
    "SYMBOL TABLE\n"
    "  LABEL                             VALUE \n"
    "\n"
    "DSTACKORG                         00000040\n"
    "FOO                               3\n"
    "\f" "gpasm-1.4.0 #1107 (Jan  1 2021)   t.asm   12-7-2026  21:16:07    PAGE  3\n"
    "\n\n"
    "SYMBOL TABLE\n"
    "  LABEL                             VALUE \n"
    "\n"
    "a_very_long_label_name_that_is_longer_than_the_column_width_xx  00001234\n"
    "done                              00000045\n"
    "Done                              00000046\n"
    "mymac                             \n"
    "WREG                              0000000A\n"
    "\n\n"
    "MEMORY USAGE MAP ('X' = Used,  '-' = Unused)\n"
    "0000 : X-------X------- ---------------- ---------------- ----------------\n";

TEST(Symbols, ReadsTheListingSymbolTable) {
  Symbols symbols;
  symbols.addListing(kListing);
  EXPECT_EQ(symbols.resolve("DSTACKORG"), 0x40u);
  EXPECT_EQ(symbols.resolve("done"), 0x45u);
  EXPECT_EQ(symbols.resolve("Done"), 0x46u);
  EXPECT_EQ(symbols.resolve("a_very_long_label_name_that_is_longer_than_the_column_width_xx"), 0x1234u);
  EXPECT_FALSE(symbols.contains("FOO"));
  EXPECT_FALSE(symbols.contains("COUNT"));
  EXPECT_FALSE(symbols.contains("mymac"));
  EXPECT_FALSE(symbols.contains("LABEL"));
  EXPECT_FALSE(symbols.contains("0000"));
}

TEST(Symbols, CoreRegistersAreBuiltIn) {
  Symbols symbols;
  EXPECT_EQ(symbols.resolve("WREG"), 0x0Au);
  EXPECT_EQ(symbols.resolve("FSR1"), 0x09u);
  EXPECT_EQ(symbols.resolve("PIR1"), 0x116u);
}

TEST(Symbols, NumbersAreDecimalOrHex) {
  Symbols symbols;
  EXPECT_EQ(symbols.resolve("10"), 10u);
  EXPECT_EQ(symbols.resolve("0XfF"), 0xFFu);
  for (const char* bad : {"0x", "12a", "-1", "4294967296", "wreg"}) {
    EXPECT_THROW(symbols.resolve(bad), InputError) << bad;
  }
  std::uint64_t value = 0;
  EXPECT_TRUE(parseNumber("18446744073709551615", value));
  EXPECT_FALSE(parseNumber("18446744073709551616", value));
}

}  // namespace
}  // namespace pic17sim
