#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kv7ctl config|board|db ...\n");
    return 2;
  }
  std::fprintf(stderr, "kv7ctl: unknown command '%s'\n", argv[1]);
  return 2;
}
