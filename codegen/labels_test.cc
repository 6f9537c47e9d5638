#include "codegen/labels.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(LabelTableTest, NamesThatAreFreeKeepTheirMangledForm) {
  LabelTable labels;
  EXPECT_EQ(labels.assign("dup", LabelUse::kRoutine), "dup");
  EXPECT_EQ(labels.assign("a+", LabelUse::kRoutine), "aKZ_QZX_");
  EXPECT_EQ(labels.assign("count", LabelUse::kRoutineAndPointer), "count");
  EXPECT_EQ(labels.assign("_endif", LabelUse::kRoutine), "_endif");    // no number after it
  EXPECT_EQ(labels.assign("_loop0x01", LabelUse::kRoutine), "_loop0x01");  // not how numbers are written
  EXPECT_EQ(labels.assign("_CODE_end", LabelUse::kRoutine), "_CODE_end");  // symbols match exactly
  EXPECT_EQ(labels.assign("_nop", LabelUse::kRoutine), "_nop");
}

TEST(LabelTableTest, TheFirstOfTwoEqualLabelsKeepsIt) {
  LabelTable labels;
  EXPECT_EQ(labels.assign("a+", LabelUse::kRoutine), "aKZ_QZX_");
  EXPECT_EQ(labels.assign("aKZ_QZX_", LabelUse::kRoutine), "aKZ_QZX__1_QZX_");
  LabelTable other;
  EXPECT_EQ(other.assign("aKZ_QZX_", LabelUse::kRoutine), "aKZ_QZX_");
  EXPECT_EQ(other.assign("a+", LabelUse::kRoutine), "aKZ_QZX__1_QZX_");
  // Mangling alone maps these to one form; each later one takes the next number.
  EXPECT_EQ(other.assign("AZ!", LabelUse::kRoutine), "AZAZ_QZX_");
  EXPECT_EQ(other.assign("!!", LabelUse::kRoutine), "AZAZ_QZX__1_QZX_");
  EXPECT_EQ(other.assign("!AZ", LabelUse::kRoutine), "AZAZ_QZX__2_QZX_");
  // A name spelled like a number already given is not given it again.
  EXPECT_EQ(other.assign("AZAZ_QZX__3_QZX_", LabelUse::kRoutine), "AZAZ_QZX__3_QZX_");
  EXPECT_EQ(other.assign("AZ!!", LabelUse::kRoutine), "AZAZAZ_QZX_");
  EXPECT_EQ(other.assign("!AZ!", LabelUse::kRoutine), "AZAZAZ_QZX__1_QZX_");
  EXPECT_EQ(other.assign("AZAZ!", LabelUse::kRoutine), "AZAZAZ_QZX__2_QZX_");
  EXPECT_EQ(other.assign("!!AZ", LabelUse::kRoutine), "AZAZAZ_QZX__3_QZX_");
  EXPECT_EQ(other.assign("AZAZ_QZX__1_QZX_", LabelUse::kRoutine), "AZAZ_QZX__1_QZX__1_QZX_");
}

TEST(LabelTableTest, DataWordsAlsoOwnTheirPointerLabel) {
  LabelTable labels;
  EXPECT_EQ(labels.assign("x_PTR", LabelUse::kRoutine), "x_PTR");
  EXPECT_EQ(labels.assign("x", LabelUse::kRoutineAndPointer), "x_1_QZX_");
  EXPECT_EQ(labels.assign("y", LabelUse::kRoutineAndPointer), "y");
  EXPECT_EQ(labels.assign("y_PTR", LabelUse::kRoutine), "y_PTR_1_QZX_");
  // An alias writes only the pointer label.
  EXPECT_EQ(labels.assign("z+", LabelUse::kPointer), "zKZ_QZX_");
  EXPECT_EQ(labels.assign("zKZ_QZX_", LabelUse::kRoutine), "zKZ_QZX_");
  EXPECT_EQ(labels.assign("zKZ_QZX__PTR", LabelUse::kRoutine), "zKZ_QZX__PTR_1_QZX_");
}

TEST(LabelTableTest, LabelsOfTheRunTimeTheAssemblerAndTheCompilerAreAvoided) {
  LabelTable labels;
  for (const char* name : {"false", "2rdrop", "pushtop", "str_type", "_fetch_lit", "_literal_table",
                           "_return_table", "_17C756A", "_CODE_END", "_VECTOR_INT_PERI", "XT_OSC",
                           "_endif0x0", "_loop0x1f", "_endwhile0x3", "_leave0x10", "_RETNUM0x0",
                           "string_0x1", "_config", "_CONFIG", "_Config", "_maxram", "_badram",
                           "_idlocs", "_fuses"}) {
    EXPECT_EQ(labels.assign(name, LabelUse::kRoutine), std::string(name) + "_1_QZX_") << name;
  }
  EXPECT_EQ(labels.assign("xt_osc", LabelUse::kRoutine), "xt_osc");
  EXPECT_EQ(labels.assign("string_0x0a", LabelUse::kRoutine), "string_0x0a");
}

TEST(LabelTableTest, PreludeLabelsAndDefinesAreLearned) {
  LabelTable labels;
  labels.learnDefinitions(
      "; comment _x\n_pushtop\n__k_start:\r\n_k_equ\tequ 3\n\t#define _shown 1\n"
      "#define\t_hidden\n\tcall _called\nplain\n_a;b\n");
  EXPECT_EQ(labels.assign("_k_start", LabelUse::kRoutine), "_k_start_1_QZX_");
  EXPECT_EQ(labels.assign("k_equ", LabelUse::kRoutine), "k_equ_1_QZX_");
  EXPECT_EQ(labels.assign("shown", LabelUse::kRoutine), "shown_1_QZX_");
  EXPECT_EQ(labels.assign("hidden", LabelUse::kRoutine), "hidden_1_QZX_");
  EXPECT_EQ(labels.assign("a", LabelUse::kRoutine), "a_1_QZX_");
  EXPECT_EQ(labels.assign("x", LabelUse::kRoutine), "x");
  EXPECT_EQ(labels.assign("called", LabelUse::kRoutine), "called");
  EXPECT_EQ(labels.assign("lain", LabelUse::kRoutine), "lain");
}

// Plain names take a shorter way through the same rules: names shaped like
// a reserved text (same length and ends) are still looked up in full.
TEST(LabelTableTest, PlainNamesFollowTheSameRules) {
  LabelTable labels;
  labels.learnDefinitions("_w12\n_wXYZ\n");
  EXPECT_EQ(labels.assign("w12", LabelUse::kRoutine), "w12_1_QZX_");
  EXPECT_EQ(labels.assign("wXYZ", LabelUse::kRoutine), "wXYZ_1_QZX_");
  EXPECT_EQ(labels.assign("w32", LabelUse::kRoutine), "w32");
  EXPECT_EQ(labels.assign("wABZ", LabelUse::kRoutine), "wABZ");
  EXPECT_EQ(labels.assign("fXlse", LabelUse::kRoutine), "fXlse");
  EXPECT_EQ(labels.assign("false", LabelUse::kRoutine), "false_1_QZX_");
  // A plain name equal to a number given earlier is not given it again.
  EXPECT_EQ(labels.assign("w12_1_QZX_", LabelUse::kRoutine), "w12_1_QZX__1_QZX_");
  EXPECT_EQ(labels.assign("w12_PTR", LabelUse::kRoutine), "w12_PTR");
  EXPECT_EQ(labels.assign("w12x", LabelUse::kRoutineAndPointer), "w12x");
  EXPECT_EQ(labels.assign("w12x_PTR", LabelUse::kRoutine), "w12x_PTR_1_QZX_");
}

TEST(LabelTableTest, MainAndTwoToRKeepTheLabelsTheCompiledCodeCalls) {
  LabelTable labels;
  EXPECT_EQ(labels.assign("2TXr_QZX_", LabelUse::kRoutine), "2TXr_QZX__1_QZX_");
  EXPECT_EQ(labels.assign("2>r", LabelUse::kRoutine), "2TXr_QZX_");
  EXPECT_EQ(labels.assign("2>R", LabelUse::kRoutine), "2TXR_QZX_");  // "do" finds it
  EXPECT_EQ(labels.assign("MAIN", LabelUse::kRoutine), "main");
  LabelTable other;
  EXPECT_EQ(other.assign("Main", LabelUse::kRoutine), "main");
}

}  // namespace
}  // namespace kestrel
