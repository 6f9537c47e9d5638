#include "driver/options.h"

#include <cstdint>

#include "reader/include_path.h"
#include "reader/text.h"

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

// An option's decimal value, read as numbers in the source are (leading
// white space, a sign, the digits up to the first other character; none
// gives 0), but never wrapped: a value too large for 64 bits reads as the
// largest one of its sign.
std::int64_t optionValue(const std::string& text) {
  std::size_t i = 0;
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  constexpr std::int64_t kLimit = INT64_MAX / 10 - 1;
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < kLimit) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
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
      std::int64_t start = optionValue(value);
      if (start < INT32_MIN || start > INT32_MAX) {
        line.problem = CommandLine::Problem::kRomStartOutOfRange;
        return line;
      }
      line.romStart = static_cast<std::int32_t>(start);
    } else {
      std::int64_t size = optionValue(value);
      // A negative size counts as too big, as the unsigned number it would be.
      line.problem = size < 0 || size > UINT32_MAX ? CommandLine::Problem::kStackTooBig
                                                   : checkStackSize(static_cast<std::uint32_t>(size));
      if (line.problem != CommandLine::Problem::kNone) return line;
      line.stackSize = static_cast<std::uint32_t>(size);
    }
  }
  return line;
}

}  // namespace kestrel
