#include <cstdio>
#include <map>
#include <string>

#include "Command.h"

namespace kv7ctl {
namespace {

struct Group {
  const char* usage;
  RunFunction run;
};

std::map<std::string, Group>& Groups() {
  static std::map<std::string, Group> groups;
  return groups;
}

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: kv7ctl GROUP ...\n");
  for (const auto& [name, g] : Groups()) std::fprintf(out, "  kv7ctl %s %s\n", name.c_str(), g.usage);
  std::fprintf(out, "  kv7ctl --help | --version\n");
}

}  // namespace

Registration::Registration(const char* group, const char* usage, RunFunction run) {
  Groups()[group] = Group{usage, run};
}

std::optional<kv7::store::DbDateTime> DateBound(const std::string& text, bool end) {
  auto d = kv7::store::DbDateTime::Parse(text);
  if (d && text.find(' ') == std::string::npos && end) {
    d->hour = 23;
    d->minute = 59;
    d->second = 59;
  }
  return d;
}

int UsageError(const std::string& text) {
  std::fprintf(stderr, "kv7ctl: %s\n", text.c_str());
  return 2;
}

}  // namespace kv7ctl

int main(int argc, char** argv) {
  using namespace kv7ctl;
  if (argc < 2) {
    PrintUsage(stderr);
    return 2;
  }
  const std::string first = argv[1];
  if (first == "--help" || first == "-h") {
    PrintUsage(stdout);
    return 0;
  }
  if (first == "--version") {
    std::printf("kv7ctl %s\n", KV7_VERSION);
    return 0;
  }
  auto it = Groups().find(argv[1]);
  if (it == Groups().end()) {
    PrintUsage(stderr);
    return UsageError(std::string("unknown command '") + argv[1] + "'");
  }
  return it->second.run(Args(argv + 2, argv + argc));
}
