// measure: runs a command and reports what it cost.
//
//   measure <command> [args...]
//
// Prints to standard error one line "wall=<s> cpu=<s> maxrss=<KiB>
// status=<n>" after the command ends; the command's own output passes
// through. POSIX only: it is a benchmarking aid.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: measure <command> [args...]\n");
    return 2;
  }
  auto start = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    std::perror(argv[1]);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  std::fprintf(stderr, "wall=%.3f cpu=%.3f maxrss=%ld status=%d\n", wall, cpu, usage.ru_maxrss,
               WIFEXITED(status) ? WEXITSTATUS(status) : 128);
  return 0;
}
