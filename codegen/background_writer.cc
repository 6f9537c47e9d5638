#include "codegen/background_writer.h"

#include <new>

namespace kestrel {

BackgroundWriter::BackgroundWriter(std::FILE* file, std::size_t bufferSize)
    : file_(file), bufferSize_(bufferSize), thread_((spare_.reserve(kMaxBuffers + 1), [this] { run(); })) {}

BackgroundWriter::~BackgroundWriter() { finish(); }

bool BackgroundWriter::finish() {
  if (thread_.joinable()) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    queued_.notify_one();
    thread_.join();
  }
  return !failed_;
}

BackgroundWriter::Buffer BackgroundWriter::exchange(Buffer full, std::size_t size) {
  std::unique_lock<std::mutex> lock(mutex_);
  queue_[(queueStart_ + queuedCount_) % queue_.size()] = {std::move(full), size};
  ++queuedCount_;
  queued_.notify_one();
  if (spare_.empty() && allocated_ < kMaxBuffers) {
    ++allocated_;
    lock.unlock();
    Buffer buffer(new (std::nothrow) char[bufferSize_]);
    if (buffer) return buffer;
    lock.lock();
    --allocated_;  // short of memory: wait for one that is written out
  }
  released_.wait(lock, [this] { return !spare_.empty(); });
  Buffer buffer = std::move(spare_.back());
  spare_.pop_back();
  return buffer;
}

void BackgroundWriter::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    queued_.wait(lock, [this] { return stopping_ || queuedCount_ > 0; });
    if (queuedCount_ == 0) return;  // stopping, and everything is written
    Chunk chunk = std::move(queue_[queueStart_]);
    queueStart_ = (queueStart_ + 1) % queue_.size();
    --queuedCount_;
    lock.unlock();
    bool written = std::fwrite(chunk.data.get(), 1, chunk.size, file_) == chunk.size;
    lock.lock();
    if (!written) failed_ = true;
    spare_.push_back(std::move(chunk.data));
    released_.notify_one();
  }
}

}  // namespace kestrel
