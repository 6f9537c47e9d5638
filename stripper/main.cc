#include <iostream>
#include <string>
#include <vector>

#include "stripper/kstrip.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return kestrel::strip::runStripper(arguments, std::cout, std::cerr);
}
