#include "codegen/asm_output.h"

#include <charconv>

namespace kestrel {

bool AsmOutput::open(const std::string& path) {
  close();
  file_ = std::fopen(path.c_str(), "w");
  if (file_ == nullptr) return false;
  std::setvbuf(file_, nullptr, _IONBF, 0);  // buffered here already
  return true;
}

void AsmOutput::flush() {
  if (file_ != nullptr && used_ > 0) std::fwrite(buffer_.get(), 1, used_, file_);
  used_ = 0;
}

AsmOutput& AsmOutput::writeThrough(std::string_view s) {
  if (file_ != nullptr) std::fwrite(s.data(), 1, s.size(), file_);
  return *this;
}

void AsmOutput::close() {
  flush();
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

std::string hexNumber(std::int64_t value) {
  char digits[16];
  auto unsignedValue = static_cast<std::uint32_t>(value);
  auto result = std::to_chars(digits, digits + sizeof digits, unsignedValue, 16);
  std::string s = "0x";
  s.append(digits, result.ptr);
  return s;
}

AsmOutput& AsmOutput::hex(std::int64_t value) {
  char digits[16] = {'0', 'x'};
  auto result = std::to_chars(digits + 2, digits + sizeof digits, static_cast<std::uint32_t>(value), 16);
  return text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

AsmOutput& AsmOutput::decimal(std::int32_t value) {
  char digits[16];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  return text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

}  // namespace kestrel
