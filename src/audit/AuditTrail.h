#pragma once
// The audit trail: one row in `kv7_audit` for every change a person makes to
// stored data, from the console's windows or from kv7ctl. A change to the
// archive records its row inside the transaction that makes it, so a change
// that fails or is refused leaves none; a change to a file records it right
// after the file reached the disk. The machine's own storing of a batch is
// not a person's change and leaves none. Plain C++ on store; every value is
// bound, never pasted into SQL.

#include <optional>
#include <string>
#include <vector>

#include "audit/Json.h"
#include "store/DbConnection.h"
#include "store/DbValue.h"

namespace kv7::audit {

inline constexpr const char* kAuditTable = "kv7_audit";

// Who makes the change: the machine number, the operating-system user and
// the window ("TNewBolla", "TProduttori", "kv7ctl").
struct Actor {
  int machine = 1;
  std::string user;
  std::string window;
};

// The name of the effective user; $USER, then the uid number, when the
// system has no entry for it.
std::string OperatingSystemUser();
// An actor with the present operating-system user.
Actor ActorOf(int machine, std::string window);

// One change: what was done to which row, with the row's values before and
// after (none before a new row, none after a deleted one).
struct Change {
  std::string action;  // "nuova", "modifica", "cancella", ...
  std::string table;   // "bolle", "produttori", a file name
  std::string key;     // the row's key as text ("42", a code, a file)
  std::optional<Fields> before;
  std::optional<Fields> after;
};

// Creates `kv7_audit` when the archive lacks it. Run before a transaction
// opens: creating a table ends the transaction in progress.
void EnsureAuditTable(store::DbConnection& connection);
// Writes the row of the change, dated now by the server, on the caller's
// connection and so inside its open transaction.
void Record(store::DbConnection& connection, const Actor& actor, const Change& change);

// One stored row as listed.
struct Entry {
  std::int64_t id = 0;
  store::DbDateTime when;
  int machine = 0;
  std::string user, window, action, table, key;
  std::optional<std::string> before, after;  // JSON
};

// Rows from `from` (inclusive) up to `to` (exclusive), of one table when
// `table` is given, in the order they were written.
struct Filter {
  std::optional<store::DbDateTime> from, to;
  std::optional<std::string> table;
};
std::vector<Entry> ListEntries(store::DbConnection& connection, const Filter& filter = {});
// id, time, machine, user, window, action, table, key, before, after,
// tab-separated; a missing value is empty. Tabs and line ends inside a
// value never occur: JSON escapes them and the other fields cannot hold them.
std::string TsvLine(const Entry& entry);

// The time of the last change of one row made with one of `actions`;
// nullopt when there is none (or the archive has no audit trail yet).
std::optional<store::DbDateTime> LastChange(store::DbConnection& connection, const std::string& table,
                                            const std::string& key, const std::vector<std::string>& actions);

}  // namespace kv7::audit
