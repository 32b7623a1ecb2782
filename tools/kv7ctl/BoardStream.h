#pragma once
// kv7ctl board ... stream: runs one streaming service mode of the controller
// and prints what it delivers, one record per line.

#include "Command.h"

namespace kv7 {
class cMB90;
}

namespace kv7ctl {

// Whether the words after "stream" suit it; checked before the port is used.
bool StreamArgsValid(const Args& args);
// Starts the mode, prints records until S seconds, N records or an interrupt,
// stops it. 0 when started and stopped, 1 when it could not start or stop.
int RunStream(kv7::cMB90& mb, const Args& args);

}  // namespace kv7ctl
