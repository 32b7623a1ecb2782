#include "batches/KillPoint.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace kv7::batches {

void KillPoint(const char* name) {
  const char* const wanted = std::getenv("KV7_KILL_POINT");
  if (wanted && std::strcmp(wanted, name) == 0) std::raise(SIGKILL);
}

}  // namespace kv7::batches
