#include "stripper/new_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kestrel::strip {

namespace fs = std::filesystem;

namespace {

// Names the handler removes, in storage that is never freed under it.
struct SignalSlot {
  std::atomic<bool> active{false};
  char name[4096];
};
std::array<SignalSlot, 4> signalSlots;
std::atomic<bool> handlersInstalled{false};

void removeRegistered() {
  for (SignalSlot& slot : signalSlots) {
    if (slot.active.exchange(false)) std::remove(slot.name);
  }
}

extern "C" void removeFilesAndEnd(int signal) {
  removeRegistered();
  std::signal(signal, SIG_DFL);
  std::raise(signal);  // delivered once the handler returns
}

void installHandlers() {
  if (handlersInstalled.exchange(true)) return;
#ifdef _WIN32
  for (int signal : {SIGINT, SIGTERM}) std::signal(signal, removeFilesAndEnd);
#else
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) continue;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = removeFilesAndEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(signal, &action, nullptr);
  }
#endif
}

// Holds the signals back while a file is made and registered.
class SignalsHeld {
 public:
  SignalsHeld() {
    installHandlers();
#ifndef _WIN32
    sigset_t held;
    sigemptyset(&held);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &previous_);
#endif
  }
  ~SignalsHeld() {
#ifndef _WIN32
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
#endif
  }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
#ifndef _WIN32
  sigset_t previous_;
#endif
};

std::FILE* createExclusively(const fs::path& name) {
  std::string text = name.string();
#ifdef _WIN32
  int fd = _open(text.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (file == nullptr) _close(fd);
#else
  int fd = open(text.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) close(fd);
#endif
  return file;
}

int processId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<int>(getpid());
#endif
}

std::error_code lastError() { return std::error_code(errno, std::generic_category()); }

}  // namespace

FileStreamBuffer::int_type FileStreamBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  return std::fputc(c, file_) == EOF ? traits_type::eof() : c;
}

std::streamsize FileStreamBuffer::xsputn(const char* text, std::streamsize size) {
  return static_cast<std::streamsize>(std::fwrite(text, 1, static_cast<std::size_t>(size), file_));
}

int FileStreamBuffer::sync() { return std::fflush(file_) == 0 ? 0 : -1; }

bool NewFile::create(const fs::path& name) {
  close();
  SignalsHeld held;
  file_ = createExclusively(name);
  if (file_ == nullptr) return false;
  removeOnSignal(name);
  buffer_.setFile(file_);
  stream_.clear();
  failed_ = false;
  return true;
}

bool NewFile::close() {
  if (file_ == nullptr) return !failed_;
  stream_.flush();
  if (!stream_) failed_ = true;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

void removeOnSignal(const fs::path& name) {
  std::string text = name.string();
  if (text.size() >= sizeof signalSlots[0].name) return;
  installHandlers();
  for (SignalSlot& slot : signalSlots) {
    if (slot.active.load()) continue;
    std::memcpy(slot.name, text.c_str(), text.size() + 1);
    slot.active.store(true);
    return;
  }
}

void keepOnSignal(const fs::path& name) {
  std::string text = name.string();
  for (SignalSlot& slot : signalSlots) {
    if (slot.active.load() && text == slot.name) slot.active.store(false);
  }
}

void removeUnfinishedFiles() { removeRegistered(); }

std::error_code copyInPlace(const fs::path& from, const fs::path& to) {
  fs::path temporary = to;
  temporary += ".kstrip-" + std::to_string(processId()) + ".tmp";
  std::FILE* in = std::fopen(from.string().c_str(), "rb");
  if (in == nullptr) return lastError();
  NewFile copy;
  if (!copy.create(temporary)) {
    std::error_code error = lastError();
    std::fclose(in);
    return error;
  }
  char chunk[1 << 16];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) copy.stream().write(chunk, static_cast<std::streamsize>(got));
  bool readFailed = std::ferror(in) != 0;
  std::fclose(in);
  errno = 0;
  bool written = copy.close() && !readFailed;
  std::error_code error;
  if (!written) {
    error = errno != 0 ? lastError() : std::make_error_code(std::errc::io_error);
  } else {
    fs::rename(temporary, to, error);
  }
  if (error) std::remove(temporary.string().c_str());
  keepOnSignal(temporary);
  return error;
}

void openClosedStandardStreams() {
#ifndef _WIN32
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened >= 0 && opened != fd) {
      dup2(opened, fd);
      close(opened);
    }
  }
#endif
}

}  // namespace kestrel::strip
