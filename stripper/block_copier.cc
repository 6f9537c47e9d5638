#include "stripper/block_copier.h"

#include <optional>
#include <string>

#include "stripper/block_format.h"

namespace kestrel::strip {

namespace {

constexpr std::size_t kReportedNameLength = 79;
constexpr std::size_t kTokenPrefixKept = 20;  // enough to recognise a block end

void writeLine(std::ostream& out, std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.put('\n');
}

bool isKept(std::string_view label, const LabelSet& labels, const std::vector<bool>& keptLabels) {
  std::optional<LabelId> id = labels.find(label);
  return id && keptLabels[*id];
}

void dropBlockBody(Scanner& scanner) {
  std::string token;
  while (scanner.nextToken(token, kTokenPrefixKept) && !endsBlock(token)) {
  }
}

}  // namespace

void copyKeptBlocks(Scanner& scanner, const LabelSet& labels, const std::vector<bool>& keptLabels,
                    std::ostream& out, std::ostream& report) {
  // Each round starts at the beginning of a line, or at the rest of the line
  // that held a kept block's label or a dropped block's end.
  while (!scanner.atEnd()) {
    std::size_t matched = scanner.consumePrefix(kHeaderStart);
    if (matched < kHeaderStart.size()) {
      out.write(kHeaderStart.data(), static_cast<std::streamsize>(matched));
      scanner.copyRestOfLine(out);
      continue;
    }
    std::string headerLine(kHeaderStart);
    headerLine += scanner.takeRestOfLine();
    std::string label;
    bool hasLabel = scanner.nextToken(label);
    if (isKept(label, labels, keptLabels)) {
      writeLine(out, headerLine);
      if (hasLabel) writeLine(out, label);
    } else {
      report << "Stripping " << nameInHeader(headerLine).substr(0, kReportedNameLength) << '\n';
      dropBlockBody(scanner);
    }
  }
}

}  // namespace kestrel::strip
