// Writes buffers to a file on a thread of its own, in the order they are
// handed over, so that producing the output and the system's copying of it
// into the file run side by side.
#pragma once

#include <condition_variable>
#include <cstdio>
#include <array>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kestrel {

class BackgroundWriter {
 public:
  using Buffer = std::unique_ptr<char[]>;

  // `file` stays owned by the caller and must stay open until this writer
  // is destroyed. Throws std::system_error when no thread can be started.
  BackgroundWriter(std::FILE* file, std::size_t bufferSize);
  // Writes whatever is still queued, then stops the thread.
  ~BackgroundWriter();
  // The same, and true when every write succeeded.
  bool finish();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  // Queues the first `size` bytes of `full` and returns an empty buffer of
  // the same size; waits while every buffer is still queued. Allocates
  // nothing that can fail once the writer runs: short of memory, it waits
  // for a buffer to come back.
  Buffer exchange(Buffer full, std::size_t size);

 private:
  static constexpr std::size_t kMaxBuffers = 4;
  struct Chunk {
    Buffer data;
    std::size_t size;
  };
  void run();

  std::FILE* file_;
  std::size_t bufferSize_;
  std::mutex mutex_;
  std::condition_variable queued_;    // the thread waits here for work
  std::condition_variable released_;  // exchange waits here for a buffer
  // Queued chunks, oldest first: a ring, since at most every buffer is queued.
  std::array<Chunk, kMaxBuffers + 1> queue_;
  std::size_t queueStart_ = 0;
  std::size_t queuedCount_ = 0;
  std::vector<Buffer> spare_;  // room for every buffer reserved at the start
  std::size_t allocated_ = 0;  // buffers handed out or queued, besides the caller's
  bool stopping_ = false;
  bool failed_ = false;  // a write came up short
  std::thread thread_;  // started last, when everything it uses exists
};

}  // namespace kestrel
