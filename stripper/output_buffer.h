// Collects small writes and passes them on to a stream in large pieces, so
// that copying a file line by line costs no stream call per line.
#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

namespace kestrel::strip {

class OutputBuffer {
 public:
  static constexpr std::size_t kDefaultSize = 64 * 1024;

  explicit OutputBuffer(std::ostream& out, std::size_t size = kDefaultSize);
  ~OutputBuffer() { flush(); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  void write(std::string_view text);
  void put(char c);
  void writeNumber(std::size_t value);
  // Passes everything collected so far on to the stream.
  void flush();

 private:
  std::ostream& out_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

}  // namespace kestrel::strip
