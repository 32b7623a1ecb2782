#pragma once
// Runs a shell command line and collects what it writes on standard output
// and how it ended (exit status, or -1 when it did not exit normally).

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kv7::test {

struct Outcome {
  int status = -1;
  std::string out, err;
};

inline Outcome Shell(const std::string& command) {
  Outcome o;
  FILE* p = ::popen(command.c_str(), "r");
  if (p == nullptr) return o;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) o.out.append(buf, n);
  const int raw = ::pclose(p);
  o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return o;
}

}  // namespace kv7::test
