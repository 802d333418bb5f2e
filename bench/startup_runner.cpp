// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts two programs in turn, RUNS times each, and reports the median wall
// time of the whole process and its median peak resident memory.
// Usage: bench_startup_runner RUNS PROGRAM_A PROGRAM_B [NAME_B]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run {
  double ms = 0;
  double maxRssMiB = 0;
};

bool runOnce(const char *program, Run &out) {
  char *argv[] = {const_cast<char *>(program), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
    return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid)
    return false;
  const auto end = std::chrono::steady_clock::now();
  out.ms = std::chrono::duration<double, std::milli>(end - start).count();
  out.maxRssMiB = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM_A PROGRAM_B [NAME_B]\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const char *programs[2] = {argv[2], argv[3]};
  std::vector<double> ms[2], rss[2];
  // One unmeasured start each, so that both meet warm file caches.
  for (const char *p : programs) {
    Run warm;
    if (!runOnce(p, warm)) {
      std::fprintf(stderr, "%s did not start and end cleanly\n", p);
      return 1;
    }
  }
  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < 2; ++k) {
      const int which = (i % 2) ? 1 - k : k; // alternate who goes first
      Run r;
      if (!runOnce(programs[which], r)) {
        std::fprintf(stderr, "%s failed on run %d\n", programs[which], i);
        return 1;
      }
      ms[which].push_back(r.ms);
      rss[which].push_back(r.maxRssMiB);
    }
  }
  const double msA = median(ms[0]), msB = median(ms[1]);
  const double rssA = median(rss[0]), rssB = median(rss[1]);
  std::printf("startup (%d runs each, medians)\n", runs);
  std::printf("  %-22s %8.1f ms %8.1f MiB\n", "bare Qt window", msA, rssA);
  const bool wizard = argc == 4;
  std::printf("  %-22s %8.1f ms %8.1f MiB\n", wizard ? "wizard main window" : argv[4], msB, rssB);
  std::printf("  %-22s %8.2fx %+8.1f MiB   %s\n", wizard ? "wizard vs bare" : "against bare",
              msB / msA, rssB - rssA, wizard ? "(targets: <= 1.15x, <= +8 MiB)" : "");
  return 0;
}
