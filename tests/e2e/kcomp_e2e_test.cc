// Each folder under cases/ is one run of kcomp:
//   args            one command-line argument per line ("@DIR@" is the run folder)
//   env             optional; NAME=value sets, a bare NAME unsets (KR_LIB is
//                   unset unless given here)
//   in/             files copied into the run folder; unless the case holds a
//                   file "no-prelude", the stub prelude files of _prelude/ are
//                   added when in/ has no kcomp.inc
//   expected/status, expected/stdout, expected/stderr
//   expected/files/ every file the run creates or changes, with its contents
// Outputs are compared whole, after the run folder's path is replaced by
// "@DIR@" and the processing time (checked to be a multiple of 10) by "@MS@".
// An expected file NAME.part in place of NAME gives only the lines that
// matter: a line "@...@" in it stands for any number of lines (see
// partMismatch in case_runner.h), e.g. "@...@", three lines around the
// point, "@...@". A case about one limit compares that part of a large
// output this way.
// With KESTREL_UPDATE_EXPECTED set the actual results are written instead;
// parts, written by hand, are kept and checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>

#include "case_runner.h"

namespace e2e {
namespace {

const fs::path kCases = KCOMP_CASES_DIR;

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kCases)) {
    std::string name = entry.path().filename().string();
    if (entry.is_directory() && name[0] != '_') names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos; pos += to.size()) {
    text.replace(pos, from.size(), to);
  }
  return text;
}

std::string normalizeTime(const std::string& out) {
  static const std::regex kTime("(^|\n)([0-9]+)\tmilliseconds\n");
  std::smatch match;
  if (std::regex_search(out, match, kTime)) {
    EXPECT_EQ(std::stoul(match[2].str()) % 10, 0u) << "processing time must be a multiple of 10";
  }
  return std::regex_replace(out, kTime, "$1@MS@\tmilliseconds\n");
}

Environment caseEnvironment(const fs::path& caseDir, const std::string& runDir) {
  Environment env = {{"KR_LIB", std::nullopt}};
  if (!fs::exists(caseDir / "env")) return env;
  for (const std::string& line : readLines(caseDir / "env")) {
    std::size_t eq = line.find('=');
    std::string name = line.substr(0, eq);
    std::optional<std::string> value;
    if (eq != std::string::npos) value = replaceAll(line.substr(eq + 1), "@DIR@", runDir);
    std::erase_if(env, [&](const auto& entry) { return entry.first == name; });
    env.emplace_back(name, value);
  }
  return env;
}

const std::string kPartSuffix = ".part";

bool updating() { return std::getenv("KESTREL_UPDATE_EXPECTED") != nullptr; }

void compareOrUpdate(const fs::path& expectedFile, const std::string& actual, const std::string& what) {
  const fs::path part = expectedFile.string() + kPartSuffix;
  if (fs::exists(part)) {
    EXPECT_EQ(partMismatch(readFile(part), actual), "") << what << " against " << part;
    return;
  }
  if (updating()) {
    writeFile(expectedFile, actual);
    return;
  }
  ASSERT_TRUE(fs::exists(expectedFile)) << what << " is missing: " << expectedFile;
  EXPECT_EQ(readFile(expectedFile), actual) << what;
}

std::string withoutPartSuffix(const std::string& name) {
  return name.ends_with(kPartSuffix) ? name.substr(0, name.size() - kPartSuffix.size()) : name;
}

// Before the expected files are written afresh: the parts stay.
void removeWholeFiles(const fs::path& expectedFiles) {
  if (!fs::exists(expectedFiles)) return;
  for (const auto& [name, contents] : snapshot(expectedFiles)) {
    if (!name.ends_with(kPartSuffix)) fs::remove(expectedFiles / name);
  }
}

class KcompCase : public testing::TestWithParam<std::string> {};

TEST_P(KcompCase, MatchesExpectedResults) {
  const fs::path caseDir = kCases / GetParam();
  const fs::path run = fs::canonical(makeScratchDir(GetParam()));
  const std::string runDir = run.string();

  copyTree(caseDir / "in", run);
  if (!fs::exists(caseDir / "no-prelude") && !fs::exists(run / "kcomp.inc")) {
    copyTree(kCases / "_prelude", run);
  }
  const auto before = snapshot(run);
  std::vector<std::string> args;
  if (fs::exists(caseDir / "args")) {
    for (const std::string& arg : readLines(caseDir / "args")) args.push_back(replaceAll(arg, "@DIR@", runDir));
  }

  RunResult result = runProgram(KCOMP_PATH, args, run, caseEnvironment(caseDir, runDir));

  const fs::path expected = caseDir / "expected";
  compareOrUpdate(expected / "status", std::to_string(result.status) + "\n", "exit status");
  compareOrUpdate(expected / "stdout", normalizeTime(replaceAll(result.out, runDir, "@DIR@")), "standard output");
  compareOrUpdate(expected / "stderr", replaceAll(result.err, runDir, "@DIR@"), "standard error");

  std::map<std::string, std::string> produced;
  for (const auto& [name, contents] : snapshot(run)) {
    auto old = before.find(name);
    if (old == before.end() || old->second != contents) produced[name] = replaceAll(contents, runDir, "@DIR@");
  }
  const fs::path expectedFiles = expected / "files";
  if (updating()) removeWholeFiles(expectedFiles);
  for (const auto& [name, contents] : produced) compareOrUpdate(expectedFiles / name, contents, name);
  if (fs::exists(expectedFiles)) {
    for (const auto& [name, contents] : snapshot(expectedFiles)) {
      EXPECT_TRUE(produced.count(withoutPartSuffix(name))) << "the run did not produce " << withoutPartSuffix(name);
    }
  }
  fs::remove_all(run);
}

INSTANTIATE_TEST_SUITE_P(Cases, KcompCase, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                           return name;
                         });

}  // namespace
}  // namespace e2e
