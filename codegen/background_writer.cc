#include "codegen/background_writer.h"

namespace kestrel {

BackgroundWriter::BackgroundWriter(std::FILE* file, std::size_t bufferSize)
    : file_(file), bufferSize_(bufferSize), thread_([this] { run(); }) {}

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
  queue_.push_back({std::move(full), size});
  queued_.notify_one();
  if (spare_.empty() && allocated_ < kMaxBuffers) {
    ++allocated_;
    lock.unlock();
    return std::make_unique<char[]>(bufferSize_);
  }
  released_.wait(lock, [this] { return !spare_.empty(); });
  Buffer buffer = std::move(spare_.back());
  spare_.pop_back();
  return buffer;
}

void BackgroundWriter::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    queued_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;  // stopping, and everything is written
    Chunk chunk = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    bool written = std::fwrite(chunk.data.get(), 1, chunk.size, file_) == chunk.size;
    lock.lock();
    if (!written) failed_ = true;
    spare_.push_back(std::move(chunk.data));
    released_.notify_one();
  }
}

}  // namespace kestrel
