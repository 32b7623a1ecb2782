#pragma once
// kv7ctl's command groups ("config", "board", "db", ...). Each lives in its
// own file and registers itself at start-up:
//   static kv7ctl::Registration reg("config", "get|set|show|...", &RunConfig);
// Run functions get the words after the group name and return the exit
// status: 0 done, 1 the operation failed or found nothing, 2 bad arguments.

#include <optional>
#include <string>
#include <vector>

#include "audit/AuditTrail.h"
#include "store/DbValue.h"

namespace kv7ctl {

using Args = std::vector<std::string>;
using RunFunction = int (*)(const Args& args);

struct Registration {
  Registration(const char* group, const char* usage, RunFunction run);
};

// Prints "kv7ctl: <text>" on stderr and returns 2.
int UsageError(const std::string& text);

// A --from/--to value: "YYYY-MM-DD hh:mm:ss", or a day alone, taken at its
// first second (`end` false) or its last (`end` true); nullopt when neither.
std::optional<kv7::store::DbDateTime> DateBound(const std::string& text, bool end);

// The technician at this terminal, for the audit rows of the changes kv7ctl
// makes: this machine's number from the configuration, window "kv7ctl".
kv7::audit::Actor Who();
// The audit row of a file kv7ctl has just written, recorded in the archive
// of the KV7_DB_* environment; when that fails, a warning on stderr.
void RecordFileChange(const kv7::audit::Change& change);
// The machine number of this installation's configuration (1 when it has
// none): the working tables' row and the journal's machine are its.
int ConfiguredMachine();

}  // namespace kv7ctl
