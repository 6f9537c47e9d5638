#include "stripper/block_format.h"

namespace kestrel::strip {

namespace {

constexpr std::size_t kKindColumn = 6;
constexpr std::size_t kNameColumn = 18;

bool hasTextAt(std::string_view line, std::size_t column, std::string_view text) {
  return line.size() >= column && line.substr(column).starts_with(text);
}

RoutineKind kindInHeader(std::string_view headerLine) {
  if (hasTextAt(headerLine, kKindColumn, "FORT")) return RoutineKind::Forth;
  if (hasTextAt(headerLine, kKindColumn, "RCAL")) return RoutineKind::Rcall;
  if (hasTextAt(headerLine, kKindColumn, "CODE")) return RoutineKind::Code;
  return RoutineKind::Other;  // interrupt and sleep routines among others
}

}  // namespace

std::string_view nameInHeader(std::string_view headerLine) {
  return headerLine.size() > kNameColumn ? headerLine.substr(kNameColumn) : std::string_view();
}

HeaderFields parseHeader(std::string_view headerLine) {
  std::string_view name = nameInHeader(headerLine);
  bool root = name == "main" || hasTextAt(headerLine, kKindColumn, "Interrupt");
  return HeaderFields{name, kindInHeader(headerLine), root};
}

bool endsBlock(std::string_view token) {
  constexpr std::string_view kBannerStart = ";*******************";  // ";" and 19 "*"
  return token.starts_with(kBannerStart);
}

std::optional<bool> referenceIsCall(std::string_view token) {
  if (token == "goto" || token == "lgoto") return false;
  if (token == "call" || token == "lcall" || token == "pushaddr") return true;
  return std::nullopt;
}

}  // namespace kestrel::strip
