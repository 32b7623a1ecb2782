#pragma once
// Changes to files (the configuration store, the costs, the company header):
// the values that differ, as the before and after of one audit row, written
// right after the file reached the disk. A password's value never reaches
// the trail: that it changed is shown, not what it is.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "audit/AuditTrail.h"
#include "store/DbConnection.h"

namespace kv7::audit {

using NamedTexts = std::vector<std::pair<std::string, std::string>>;

// Whether a key holds a password.
bool IsSecretKey(std::string_view key);

// The keys whose values differ (or that only one side has), in the order of
// `after` then the ones only `before` has; secrets masked. Empty when nothing
// changed.
struct ValueChanges {
  Fields before, after;
  bool Empty() const { return before.empty() && after.empty(); }
};
ValueChanges ChangedValues(const NamedTexts& before, const NamedTexts& after);

// The audit row of a file already written, in a transaction of its own.
void RecordFileChange(store::DbConnection& connection, const Actor& actor, const Change& change);

}  // namespace kv7::audit
