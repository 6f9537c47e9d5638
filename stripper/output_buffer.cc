#include "stripper/output_buffer.h"

#include <charconv>
#include <cstring>

namespace kestrel::strip {

OutputBuffer::OutputBuffer(std::ostream& out, std::size_t size) : out_(out), buffer_(size > 0 ? size : 1) {}

void OutputBuffer::write(std::string_view text) {
  if (text.empty()) return;  // its data may be null
  if (text.size() > buffer_.size() - used_) {
    flush();
    if (text.size() >= buffer_.size()) {  // too big to collect: straight through
      out_.write(text.data(), static_cast<std::streamsize>(text.size()));
      return;
    }
  }
  std::memcpy(buffer_.data() + used_, text.data(), text.size());
  used_ += text.size();
}

void OutputBuffer::put(char c) {
  if (used_ == buffer_.size()) flush();
  buffer_[used_++] = c;
}

void OutputBuffer::writeNumber(std::size_t value) {
  char digits[24];
  std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  write(std::string_view(digits, static_cast<std::size_t>(end.ptr - digits)));
}

void OutputBuffer::flush() {
  if (used_ == 0) return;
  out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
  used_ = 0;
}

}  // namespace kestrel::strip
