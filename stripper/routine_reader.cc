#include "stripper/routine_reader.h"

#include <optional>
#include <string>

namespace kestrel::strip {

namespace {

// Enough of an ignored token to recognise a block end; longer than any
// reference keyword, so a cut token never equals one.
constexpr std::size_t kTokenPrefixKept = 20;

// Reads the body of a block up to and including the token that ends it.
// `token` is only working space, passed in so that its storage is reused.
void readBlockBody(Scanner& scanner, RoutineTable& table, std::string& token) {
  while (scanner.nextToken(token, kTokenPrefixKept)) {
    if (endsBlock(token)) return;
    if (token.front() == ';') {
      scanner.skipRestOfLine();
      continue;
    }
    std::optional<bool> isCall = referenceIsCall(token);
    // The token after a keyword is the target, whatever it looks like.
    if (isCall && scanner.nextToken(token)) table.addReference(token, *isCall);
  }
}

void readBlock(Scanner& scanner, RoutineTable& table, std::string& token) {
  std::string headerLine(kHeaderStart);
  headerLine += scanner.takeRestOfLine();
  HeaderFields header = parseHeader(headerLine);

  scanner.nextToken(token);  // stays empty at the end of the input
  table.addRoutine(header.name, token, header.kind, header.root);
  readBlockBody(scanner, table, token);
}

}  // namespace

RoutineTable readRoutineTable(Scanner& scanner) {
  RoutineTable table;
  std::string token;
  // Each round starts at the beginning of a line, or at the rest of the line
  // on which a block ended.
  while (scanner.skipLinesUntil(kHeaderStart)) readBlock(scanner, table, token);
  return table;
}

}  // namespace kestrel::strip
