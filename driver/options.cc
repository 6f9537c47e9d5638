#include "driver/options.h"

#include "reader/include_path.h"
#include "reader/text.h"
#include "reader/tokenizer.h"

namespace kestrel {

const char* const kUsageText =
    "USAGE: kcomp [opts] [-i path] [-o filename] [-r n] [-s n] infilename\n"
    "-i  : use include path\n"
    "-o  : set output filename\n"
    "-r  : compile strings into rom\n"
    "      at base address n\n"
    "-s  : set stack to n bytes\n"
    "-os : optimise for speed over space";

namespace {

constexpr std::uint32_t kMinStack = 64;
constexpr std::uint32_t kMaxStack = 217;

CommandLine::Problem checkStackSize(std::uint32_t size) {
  if (size > kMaxStack) return CommandLine::Problem::kStackTooBig;  // negative sizes too
  if (size < kMinStack) return CommandLine::Problem::kStackTooSmall;
  return CommandLine::Problem::kNone;
}

}  // namespace

std::string includePathFromEnvironment(const char* value) {
  std::string path;
  if (value != nullptr && *value != '\0') appendIncludeDir(path, value);
  return path;
}

CommandLine parseCommandLine(const std::vector<std::string>& args, std::string includePath) {
  CommandLine line;
  line.includePath = std::move(includePath);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool takesValue = equalsNoCase(arg, "-i") || equalsNoCase(arg, "-o") ||
                      equalsNoCase(arg, "-r") || equalsNoCase(arg, "-s");
    if (!takesValue) {
      if (equalsNoCase(arg, "-os")) {
        line.speed = true;
      } else if (equalsNoCase(arg, "-l")) {
        line.longCalls = true;
      } else {
        line.inputName = arg;
      }
      continue;
    }
    if (i + 1 == args.size()) {
      line.problem = CommandLine::Problem::kMissingValue;
      return line;
    }
    const std::string& value = args[++i];
    if (equalsNoCase(arg, "-i")) {
      appendIncludeDir(line.includePath, value);
    } else if (equalsNoCase(arg, "-o")) {
      line.outputName = value;
    } else if (equalsNoCase(arg, "-r")) {
      line.romStart = parseDecimal(value);
    } else {
      auto size = static_cast<std::uint32_t>(parseDecimal(value));
      line.problem = checkStackSize(size);
      if (line.problem != CommandLine::Problem::kNone) return line;
      line.stackSize = size;
    }
  }
  return line;
}

}  // namespace kestrel
