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

void PrintUsage() {
  std::fprintf(stderr, "usage: kv7ctl GROUP ...\n");
  for (const auto& [name, g] : Groups()) std::fprintf(stderr, "  kv7ctl %s %s\n", name.c_str(), g.usage);
}

}  // namespace

Registration::Registration(const char* group, const char* usage, RunFunction run) {
  Groups()[group] = Group{usage, run};
}

int UsageError(const std::string& text) {
  std::fprintf(stderr, "kv7ctl: %s\n", text.c_str());
  return 2;
}

}  // namespace kv7ctl

int main(int argc, char** argv) {
  using namespace kv7ctl;
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    PrintUsage();
    return argc < 2 ? 2 : 0;
  }
  auto it = Groups().find(argv[1]);
  if (it == Groups().end()) {
    PrintUsage();
    return UsageError(std::string("unknown command '") + argv[1] + "'");
  }
  return it->second.run(Args(argv + 2, argv + argc));
}
