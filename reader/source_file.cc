#include "reader/source_file.h"

#include <algorithm>
#include <cstring>

namespace kestrel {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}

std::unique_ptr<SourceFile> SourceFile::open(const std::string& path, std::string name) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  return std::unique_ptr<SourceFile>(new SourceFile(file, path, std::move(name), fileIdOf(file)));
}

SourceFile::SourceFile(std::FILE* file, std::string path, std::string name, const FileId& id)
    : file_(file), path_(std::move(path)), name_(std::move(name)), id_(id), seekable_(id.regular),
      buffer_(kBufferSize) {}

SourceFile::~SourceFile() {
  if (file_ != nullptr) std::fclose(file_);
}

std::size_t SourceFile::fill(std::size_t n) {
  std::size_t available = size_ - pos_;
  if (available >= n || atFileEnd_) return available;
  if (pos_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + pos_, available);
    bufferOffset_ += pos_;
    pos_ = 0;
    size_ = available;
  }
  while (size_ < n && !atFileEnd_) {
    std::size_t got = file_ ? std::fread(buffer_.data() + size_, 1, buffer_.size() - size_, file_) : 0;
    if (got == 0) atFileEnd_ = true;
    size_ += got;
  }
  return size_ - pos_;
}

int SourceFile::current() {
  if (pos_ >= size_ && fill(1) == 0) return kEnd;
  unsigned char c = static_cast<unsigned char>(buffer_[pos_]);
  if (c == '\r' && (pos_ + 1 < size_ || fill(2) >= 2) && buffer_[pos_ + 1] == '\n') {
    ++pos_;  // CR LF reads as LF
    return '\n';
  }
  return c;
}

int SourceFile::peek() {
  int c = current();
  if (c == kEnd) ended_ = true;
  return c;
}

int SourceFile::get() {
  int c = current();
  if (c == kEnd) {
    ended_ = true;
    return kEnd;
  }
  ++pos_;
  if (c == '\n') ++line_;
  return c;
}

std::size_t SourceFile::takeWordChars(char* out, std::size_t limit) {
  std::size_t taken = 0;
  while (taken < limit) {
    if (pos_ >= size_ && fill(1) == 0) {
      ended_ = true;
      return taken;
    }
    // Copy the plain run of what is buffered; CR needs the careful path.
    std::size_t end = std::min(size_, pos_ + (limit - taken));
    while (pos_ < end) {
      char c = buffer_[pos_];
      if (c == ' ' || c == '\n' || c == '\r') break;
      out[taken++] = c;
      ++pos_;
    }
    if (taken == limit) return taken;
    if (pos_ == size_) continue;                  // more may follow
    if (buffer_[pos_] != '\r') return taken;      // blank or line feed
    if (current() == '\n') return taken;          // CR LF ends the token
    out[taken++] = '\r';
    ++pos_;
  }
  return taken;
}

void SourceFile::skipToGraphic() {
  for (;;) {
    if (pos_ >= size_ && fill(1) == 0) {
      ended_ = true;
      return;
    }
    while (pos_ < size_) {
      unsigned char c = static_cast<unsigned char>(buffer_[pos_]);
      if (c >= 0x21 && c <= 0x7E) return;
      if (c == '\n') ++line_;
      ++pos_;
    }
  }
}

void SourceFile::suspend() {
  if (!seekable_ || file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
  // Read again from the first unread byte when resumed.
  bufferOffset_ += pos_;
  pos_ = size_ = 0;
  atFileEnd_ = false;
  std::vector<char>().swap(buffer_);
}

bool SourceFile::resume() {
  if (!seekable_ || file_ != nullptr) return true;
  file_ = std::fopen(path_.c_str(), "rb");
  if (file_ != nullptr) {
    FileId now = fileIdOf(file_);
    bool same = id_.known ? sameFile(now, id_) : now.regular;
    if (same && now.size >= bufferOffset_ &&
        std::fseek(file_, static_cast<long>(bufferOffset_), SEEK_SET) == 0) {
      buffer_.resize(kBufferSize);
      return true;
    }
    std::fclose(file_);
    file_ = nullptr;
  }
  atFileEnd_ = ended_ = true;
  return false;
}

}  // namespace kestrel
