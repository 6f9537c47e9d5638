#include "codegen/asm_output.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <new>
#include <system_error>

#include "reader/host_files.h"

namespace kestrel {

bool AsmOutput::open(const std::string& path) {
  close();
  if (path.empty()) return false;
  FileId existing = fileIdOf(path);
  if (existing.known && !existing.regular) {
    // A device or a pipe (/dev/null, say) has no directory entry to replace.
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) file_ = std::fopen(path.c_str(), "w");
  } else if (mayWrite(path)) {
    file_ = createFileBeside(path, temporary_);
  }
  if (file_ == nullptr) return false;
  target_ = path;
  if (capacity_ < kFirstBufferSize) {
    buffer_ = std::make_unique<char[]>(kFirstBufferSize);
    capacity_ = kFirstBufferSize;
  }
  std::setvbuf(file_, nullptr, _IONBF, 0);  // buffered here already
  return true;
}

void AsmOutput::flush() {
  if (file_ != nullptr && used_ > 0) {
    if (!writer_ && used_ == kBufferSize) startWriter();
    if (writer_) {
      buffer_ = writer_->exchange(std::move(buffer_), used_);
    } else if (std::fwrite(buffer_.get(), 1, used_, file_) != used_) {
      failed_ = true;
    }
    if (used_ == capacity_ && capacity_ < kBufferSize) {
      // Short of memory, the small buffer simply stays.
      std::unique_ptr<char[]> larger(new (std::nothrow) char[kBufferSize]);
      if (larger) {
        buffer_ = std::move(larger);
        capacity_ = kBufferSize;
      }
    }
  }
  used_ = 0;
}

// Small outputs never start a thread; without one, writing goes on in line.
void AsmOutput::startWriter() {
  try {
    writer_ = std::make_unique<BackgroundWriter>(file_, kBufferSize);
  } catch (const std::system_error&) {
    writer_.reset();
  } catch (const std::bad_alloc&) {
    writer_.reset();
  }
}

AsmOutput& AsmOutput::textInPieces(std::string_view s) {
  while (!s.empty()) {
    if (used_ == capacity_) flush();
    std::size_t piece = std::min(s.size(), capacity_ - used_);
    std::memcpy(buffer_.get() + used_, s.data(), piece);
    used_ += piece;
    s.remove_prefix(piece);
  }
  return *this;
}

void AsmOutput::discard() {
  used_ = 0;
  if (file_ != nullptr) failed_ = true;  // so close() removes the file instead of moving it
  close();
}

bool AsmOutput::close() {
  flush();
  if (writer_ && !writer_->finish()) failed_ = true;  // waits until all is written
  writer_.reset();
  if (file_ == nullptr) return true;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  if (!temporary_.empty()) {
    if (failed_ || !replaceFile(temporary_, target_)) {
      failed_ = true;
      std::remove(temporary_.c_str());
    }
    keepOnSignal(temporary_);
    temporary_.clear();
  }
  target_.clear();
  bool written = !failed_;
  failed_ = false;
  return written;
}

std::string hexNumber(std::int64_t value) {
  char digits[32];
  auto unsignedValue = static_cast<std::uint32_t>(value);
  auto result = std::to_chars(digits, digits + sizeof digits, unsignedValue, 16);
  std::string s = "0x";
  s.append(digits, result.ptr);
  return s;
}

AsmOutput& AsmOutput::hex(std::int64_t value) {
  char digits[32] = {'0', 'x'};
  auto result = std::to_chars(digits + 2, digits + sizeof digits, static_cast<std::uint32_t>(value), 16);
  return text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

AsmOutput& AsmOutput::decimal(std::int32_t value) {
  char digits[32];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  return text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

}  // namespace kestrel
