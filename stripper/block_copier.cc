#include "stripper/block_copier.h"

#include <optional>
#include <string>

#include "stripper/block_format.h"
#include "stripper/output_buffer.h"

namespace kestrel::strip {

namespace {

constexpr std::size_t kReportedNameLength = 79;
constexpr std::size_t kTokenPrefixKept = 20;  // enough to recognise a block end

void writeLine(OutputBuffer& out, std::string_view text) {
  out.write(text);
  out.put('\n');
}

// Finds the labels of the blocks in turn. The blocks come in the order of the
// table's routines, so the label is first compared with that of the routine
// after the one last found, which is quicker than looking it up. (In a file
// whose comments hide headers from the first pass they may not; then the
// lookup decides.)
class BlockLabels {
 public:
  explicit BlockLabels(const RoutineTable& table) : table_(table) {}

  std::optional<LabelId> find(std::string_view label) {
    if (next_ < table_.routines.size()) {
      LabelId expected = table_.routines[next_].label;
      if (table_.labels.text(expected) == label) {
        ++next_;
        return expected;
      }
    }
    return table_.labels.find(label);
  }

 private:
  const RoutineTable& table_;
  std::size_t next_ = 0;
};

void dropBlockBody(Scanner& scanner, std::string& token) {
  while (scanner.nextToken(token, kTokenPrefixKept) && !endsBlock(token)) {
  }
}

}  // namespace

void copyKeptBlocks(Scanner& scanner, const RoutineTable& table, const std::vector<bool>& keptLabels,
                    std::ostream& out, std::ostream& report) {
  BlockLabels labels(table);
  OutputBuffer copy(out);
  OutputBuffer stripping(report);
  std::string headerLine;
  std::string label;
  // Each round starts at the beginning of a line, or at the rest of the line
  // that held a kept block's label or a dropped block's end.
  while (scanner.copyLinesUntil(kHeaderStart, copy)) {
    headerLine = kHeaderStart;
    headerLine += scanner.takeRestOfLine();
    bool hasLabel = scanner.nextToken(label);
    std::optional<LabelId> id = labels.find(label);
    if (id && keptLabels[*id]) {
      writeLine(copy, headerLine);
      if (hasLabel) writeLine(copy, label);
    } else {
      stripping.write("Stripping ");
      writeLine(stripping, nameInHeader(headerLine).substr(0, kReportedNameLength));
      dropBlockBody(scanner, label);
    }
  }
}

}  // namespace kestrel::strip
