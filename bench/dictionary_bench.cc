// Times the compiler's dictionary alone under the access pattern of a large
// program: every definition enters a new name, and is followed by lookups
// of words defined shortly before it and, now and then, of any earlier word.
//
//   dictionary_bench [names] [rounds]
//
// Prints the best time per definition (its lookups included) over the rounds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "words/target_words.h"
#include "reader/dictionary.h"

namespace {

double runOnce(const std::vector<std::string>& names, std::size_t& found) {
  kestrel::Dictionary words;
  std::mt19937 random(12345);
  auto start = std::chrono::steady_clock::now();
  for (std::size_t i = 0; i < names.size(); ++i) {
    words.define<kestrel::ColonWord>(names[i]);
    // Nine lookups of recent words, and one in four definitions one of any.
    for (int k = 0; k < 9; ++k) {
      std::size_t back = random() % 32;
      if (words.find(names[i > back ? i - back : 0]) != nullptr) ++found;
    }
    if (random() % 4 == 0 && words.find(names[random() % (i + 1)]) != nullptr) ++found;
  }
  std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1600000;
  int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  std::vector<std::string> names;
  names.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::string name = "w";
    name += std::to_string(i);
    names.push_back(name);
  }
  double best = 1e9;
  std::size_t found = 0;
  for (int r = 0; r < rounds; ++r) best = std::min(best, runOnce(names, found));
  std::printf("%zu names: %.1f ns per definition with its lookups (%zu found)\n", count,
              best * 1e9 / static_cast<double>(count), found);
}
