#pragma once
// Crash points of the end of batch. When the environment variable
// KV7_KILL_POINT names a point, the process dies there at once (SIGKILL, as
// a power cut would stop it): the crash tests start the console with it and
// check that every ended batch survives. A point is passed a few times per
// batch, so reading the environment each time costs nothing that matters.

namespace kv7::batches {

void KillPoint(const char* name);

}  // namespace kv7::batches
