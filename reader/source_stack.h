// The files being read: the input file at the bottom, the file that is read
// now on top. Reading always takes characters from the top file only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reader/source_file.h"

namespace kestrel {

class SourceStack {
 public:
  // The file being read, or nullptr before the input file is opened and
  // after it is finished.
  SourceFile* current() const { return files_.empty() ? nullptr : files_.back().get(); }
  std::size_t depth() const { return files_.size(); }

  void push(std::unique_ptr<SourceFile> file);
  // Finishes the current file and resumes the one that included it; false
  // when that file cannot be read on (see SourceFile::resume).
  bool pop();

  // The position that diagnostics report: the current file's name as
  // requested and its line; an empty name and line 0 when no file is open.
  std::string positionName() const { return current() ? current()->name() : std::string(); }
  std::int32_t positionLine() const { return current() ? current()->line() : 0; }

  // Character reading on the current file; the end of input when none.
  int get() { return current() ? current()->get() : SourceFile::kEnd; }
  bool good() const { return current() && current()->good(); }

 private:
  std::vector<std::unique_ptr<SourceFile>> files_;
};

}  // namespace kestrel
