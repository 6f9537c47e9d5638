#include "reader/host_files.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

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

namespace kestrel {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
int processId() { return _getpid(); }
#else
int processId() { return static_cast<int>(getpid()); }

FileId fromStat(const struct stat& st) {
  FileId id;
  id.device = static_cast<std::uint64_t>(st.st_dev);
  id.number = static_cast<std::uint64_t>(st.st_ino);
  id.known = true;
  id.regular = S_ISREG(st.st_mode);
  id.size = id.regular ? static_cast<std::uint64_t>(st.st_size) : 0;
  return id;
}
#endif

// The names that the signal handler removes. Fixed storage, so that the
// handler touches no memory that may be freed while it runs.
struct SignalSlot {
  std::atomic<bool> active{false};
  char path[4096];
};
std::array<SignalSlot, 16> signalSlots;
std::atomic<bool> handlersInstalled{false};

extern "C" void removeTemporariesAndEnd(int signal) {
  for (SignalSlot& slot : signalSlots) {
    if (!slot.active.load()) continue;
#ifdef _WIN32
    _unlink(slot.path);
#else
    unlink(slot.path);
#endif
  }
  // The handler was reset on entry; the signal, raised again, ends the
  // process as it would have without the handler once this returns.
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void installHandler(int signal) {
#ifdef _WIN32
  std::signal(signal, removeTemporariesAndEnd);
#else
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  if (sigaction(signal, nullptr, &action) != 0) return;
  if (action.sa_handler == SIG_IGN) return;  // an ignored signal stays ignored
  std::memset(&action, 0, sizeof action);
  action.sa_handler = removeTemporariesAndEnd;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  sigaction(signal, &action, nullptr);
#endif
}

void installHandlers() {
  if (handlersInstalled.exchange(true)) return;
  installHandler(SIGINT);
  installHandler(SIGTERM);
#ifndef _WIN32
  installHandler(SIGHUP);
  installHandler(SIGPIPE);
#endif
}

// Holds back the signals that remove temporary files while one is made and
// registered, so that none can be left between the two.
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

std::string directoryOf(const std::string& path) {
  std::string dir = fs::path(path).parent_path().string();
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir;
}

}  // namespace

FileId fileIdOf(const std::string& path) {
#ifdef _WIN32
  std::error_code ec;
  fs::file_status status = fs::status(path, ec);
  FileId id;
  id.regular = fs::is_regular_file(status);
  if (id.regular) id.size = fs::file_size(path, ec);
  return id;
#else
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return {};
  return fromStat(st);
#endif
}

FileId fileIdOf(std::FILE* stream) {
#ifdef _WIN32
  struct _stat64 st;
  FileId id;
  if (_fstat64(_fileno(stream), &st) != 0) return id;
  id.regular = (st.st_mode & _S_IFREG) != 0;
  id.size = id.regular ? static_cast<std::uint64_t>(st.st_size) : 0;
  return id;
#else
  struct stat st;
  if (fstat(fileno(stream), &st) != 0) return {};
  return fromStat(st);
#endif
}

bool sameFile(const FileId& a, const FileId& b) {
  return a.known && b.known && a.device == b.device && a.number == b.number;
}

namespace {

std::FILE* openNewFile(const std::string& path, const std::string& like, bool readable) {
#ifdef _WIN32
  (void)like;
  (void)readable;
  int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_TEXT, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "w");
  if (file == nullptr) _close(fd);
  return file;
#else
  int fd = open(path.c_str(), (readable ? O_RDWR : O_WRONLY) | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  struct stat st;
  if (!like.empty() && stat(like.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    fchmod(fd, st.st_mode & 07777);  // only a courtesy: a failure changes nothing else
  }
  std::FILE* file = fdopen(fd, readable ? "w+b" : "wb");
  if (file == nullptr) close(fd);
  return file;
#endif
}

}  // namespace

std::FILE* createNewFile(const std::string& path, const std::string& like) {
  return openNewFile(path, like, false);
}

namespace {

std::FILE* createNamedFileBeside(const std::string& target, std::string& temporaryPath) {
  std::string pid = std::to_string(processId());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix = ".kcomp-" + pid;
    if (attempt > 0) suffix.append("-").append(std::to_string(attempt));
    suffix.append(".tmp");
    temporaryPath = target + suffix;
    std::FILE* file = createNewFile(temporaryPath, target);
    if (file == nullptr && errno == ENAMETOOLONG) {
      temporaryPath = directoryOf(target) + suffix.substr(1);  // "kcomp-1234.tmp"
      file = createNewFile(temporaryPath, target);
    }
    if (file != nullptr) return file;
    if (errno != EEXIST) break;
  }
  temporaryPath.clear();
  return nullptr;
}

}  // namespace

std::FILE* createFileBeside(const std::string& target, std::string& temporaryPath) {
  SignalsHeld held;
  std::FILE* file = createNamedFileBeside(target, temporaryPath);
  if (file != nullptr) removeOnSignal(temporaryPath);
  return file;
}

bool mayWrite(const std::string& path) {
#ifdef _WIN32
  return _access(path.c_str(), 2) == 0 || errno == ENOENT;
#else
  return access(path.c_str(), W_OK) == 0 || errno == ENOENT;
#endif
}

bool replaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
  std::error_code ec;
  fs::rename(from, to, ec);  // replaces an existing file, unlike std::rename there
  return !ec;
#elif defined(__linux__) && defined(RENAME_EXCHANGE)
  // Swapping the two names and then removing the old file is as atomic as a
  // rename, and it spares the caller ext4's flush of the whole new file that
  // a rename over an existing file starts (see bench/README.md).
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE) == 0) {
    unlink(from.c_str());
    return true;
  }
  return std::rename(from.c_str(), to.c_str()) == 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;  // allocates nothing
#endif
}

std::FILE* createScratchFile(std::string& name) {
#ifdef _WIN32
  name = "(temporary file)";
  return std::tmpfile();
#else
  const char* tmpdir = std::getenv("TMPDIR");
  std::string dir = tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : "/tmp";
  if (dir.back() != '/') dir += '/';
  std::string pid = std::to_string(processId());
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = dir + "kcomp-" + pid + "-" + std::to_string(attempt) + ".tmp";
    std::FILE* file = openNewFile(name, {}, true);
    if (file != nullptr) {
      unlink(name.c_str());  // the open stream keeps it until closed
      return file;
    }
    if (errno != EEXIST) break;
  }
  return nullptr;
#endif
}

void removeOnSignal(const std::string& path) {
  if (path.size() >= sizeof signalSlots[0].path) return;  // too long to keep: left behind
  installHandlers();
  for (SignalSlot& slot : signalSlots) {
    if (slot.active.load()) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.active.store(true);
    return;
  }
}

void keepOnSignal(const std::string& path) {
  for (SignalSlot& slot : signalSlots) {
    if (slot.active.load() && path == slot.path) {
      slot.active.store(false);
      return;
    }
  }
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

}  // namespace kestrel
