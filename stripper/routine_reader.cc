#include "stripper/routine_reader.h"

#include <optional>
#include <string>
#include <utility>

namespace kestrel::strip {

namespace {

// Enough of an ignored token to recognise a block end; longer than any
// reference keyword, so a cut token never equals one.
constexpr std::size_t kTokenPrefixKept = 20;

// Reads the body of a block up to and including the token that ends it.
void readBlockBody(Scanner& scanner, RoutineTable& table, Routine& routine) {
  std::string token;
  while (scanner.nextToken(token, kTokenPrefixKept)) {
    if (endsBlock(token)) return;
    if (token.front() == ';') {
      scanner.skipRestOfLine();
      continue;
    }
    std::optional<bool> isCall = referenceIsCall(token);
    // The token after a keyword is the target, whatever it looks like.
    if (isCall && scanner.nextToken(token)) {
      routine.references.push_back(Reference{table.labels.intern(token), *isCall});
    }
  }
}

void readBlock(Scanner& scanner, RoutineTable& table) {
  std::string headerLine(kHeaderStart);
  headerLine += scanner.takeRestOfLine();
  HeaderFields header = parseHeader(headerLine);

  std::string label;
  scanner.nextToken(label);  // stays empty at the end of the input
  Routine routine{std::move(header.name), table.labels.intern(label), header.kind, header.root, {}};
  readBlockBody(scanner, table, routine);
  table.routines.push_back(std::move(routine));
}

}  // namespace

RoutineTable readRoutineTable(Scanner& scanner) {
  RoutineTable table;
  // Each round starts at the beginning of a line, or at the rest of the line
  // on which a block ended.
  while (!scanner.atEnd()) {
    if (scanner.consumePrefix(kHeaderStart) == kHeaderStart.size()) {
      readBlock(scanner, table);
    } else {
      scanner.skipRestOfLine();
    }
  }
  return table;
}

}  // namespace kestrel::strip
