#include "stripper/routine_reader.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrel::strip {

namespace {

// Enough of an ignored token to recognise a block end; longer than any
// reference keyword, so a cut token never equals one.
constexpr std::size_t kTokenPrefixKept = 20;

// Routines are entered in the table in batches of about this many labels.
constexpr std::size_t kBatchLabels = 64;

// Routines read but not yet entered in the table. In a large table a label
// lookup mostly waits for memory; here the memory is asked for when the label
// is read, and the lookup made when the batch is entered, after the next few
// lines have been read. The table receives everything in the order it was
// read.
class RoutineBatch {
 public:
  explicit RoutineBatch(RoutineTable& table) : table_(table) {}

  void addRoutine(std::string_view name, std::string_view label, const HeaderFields& header) {
    if (labels_.size() >= kBatchLabels) enter();
    routines_.push_back(PendingRoutine{keep(name), addLabel(label), header.kind, header.root, references_.size()});
  }
  void addReference(std::string_view target, bool isCall) {
    references_.push_back(PendingReference{addLabel(target), isCall});
  }
  // Enters the routines read so far in the table; also to be called at the
  // end.
  void enter() {
    for (std::size_t i = 0; i < routines_.size(); ++i) {
      const PendingRoutine& routine = routines_[i];
      table_.addRoutine(text(routine.name), intern(routine.label), routine.kind, routine.root);
      std::size_t end = i + 1 < routines_.size() ? routines_[i + 1].firstReference : references_.size();
      for (std::size_t r = routine.firstReference; r < end; ++r) {
        table_.addReference(intern(references_[r].label), references_[r].isCall);
      }
    }
    routines_.clear();
    references_.clear();
    labels_.clear();
    texts_.clear();
  }

 private:
  struct Text {
    std::size_t start;
    std::size_t length;
  };
  struct PendingLabel {
    Text text;
    std::uint32_t hash;
  };
  struct PendingRoutine {
    Text name;
    std::size_t label;  // index in labels_
    RoutineKind kind;
    bool root;
    std::size_t firstReference;
  };
  struct PendingReference {
    std::size_t label;
    bool isCall;
  };

  Text keep(std::string_view text) {
    Text kept{texts_.size(), text.size()};
    texts_ += text;
    return kept;
  }
  std::size_t addLabel(std::string_view label) {
    std::uint32_t hash = LabelSet::hash(label);
    table_.labels.prefetch(hash);
    labels_.push_back(PendingLabel{keep(label), hash});
    return labels_.size() - 1;
  }
  LabelId intern(std::size_t label) { return table_.labels.intern(text(labels_[label].text), labels_[label].hash); }
  std::string_view text(Text text) const { return std::string_view(texts_).substr(text.start, text.length); }

  RoutineTable& table_;
  std::string texts_;
  std::vector<PendingLabel> labels_;
  std::vector<PendingRoutine> routines_;
  std::vector<PendingReference> references_;
};

// Reads the body of a block up to and including the token that ends it.
// `token` is only working space, passed in so that its storage is reused.
void readBlockBody(Scanner& scanner, RoutineBatch& batch, std::string& token) {
  while (scanner.nextToken(token, kTokenPrefixKept)) {
    if (endsBlock(token)) return;
    if (token.front() == ';') {
      scanner.skipRestOfLine();
      continue;
    }
    std::optional<bool> isCall = referenceIsCall(token);
    // The token after a keyword is the target, whatever it looks like.
    if (isCall && scanner.nextToken(token)) batch.addReference(token, *isCall);
  }
}

void readBlock(Scanner& scanner, RoutineBatch& batch, std::string& token) {
  std::string headerLine(kHeaderStart);
  headerLine += scanner.takeRestOfLine();
  HeaderFields header = parseHeader(headerLine);

  scanner.nextToken(token);  // stays empty at the end of the input
  // The start-up code calls _main: its routine stays, whatever letter case
  // the header line gives the name.
  if (token == "_main") header.root = true;
  batch.addRoutine(header.name, token, header);
  readBlockBody(scanner, batch, token);
}

}  // namespace

RoutineTable readRoutineTable(Scanner& scanner) {
  RoutineTable table;
  RoutineBatch batch(table);
  std::string token;
  // Each round starts at the beginning of a line, or at the rest of the line
  // on which a block ended.
  while (scanner.skipLinesUntil(kHeaderStart)) readBlock(scanner, batch, token);
  batch.enter();
  return table;
}

}  // namespace kestrel::strip
