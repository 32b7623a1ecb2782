// kv7ctl audit: the audit trail of people's changes to stored data, one row
// a line, tab-separated (id, time, machine, user, window, action, table,
// key, before, after). --from and --to take dates ("YYYY-MM-DD" or
// "YYYY-MM-DD HH:MM:SS"); a plain --to date includes that whole day.
// Archive from the KV7_DB_* environment.

#include <cstdio>
#include <ctime>
#include <string>

#include "Command.h"
#include "audit/AuditTrail.h"
#include "audit/FileChanges.h"
#include "store/ConfigStore.h"
#include "store/Configuration.h"
#include "store/Database.h"
#include "store/DbError.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "[--from DATE] [--to DATE] [--table NAME]";

namespace audit = kv7::audit;
using kv7::store::DbDateTime;

int Usage() { return UsageError(std::string("audit: usage: kv7ctl audit ") + kUsage); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: audit: %s\n", message.c_str());
  return 1;
}

// The day after a plain date, so that "--to 2026-03-01" keeps that day.
DbDateTime EndOf(const std::string& text, DbDateTime at) {
  if (text.size() != 10) return at;
  std::tm day{};
  day.tm_year = at.year - 1900;
  day.tm_mon = at.month - 1;
  day.tm_mday = at.day + 1;
  day.tm_isdst = -1;
  std::mktime(&day);
  return DbDateTime{day.tm_year + 1900, day.tm_mon + 1, day.tm_mday, 0, 0, 0};
}

bool ParseFilter(const Args& a, audit::Filter& filter) {
  for (std::size_t i = 0; i < a.size(); i += 2) {
    if (i + 1 >= a.size()) return false;
    const std::string& value = a[i + 1];
    if (a[i] == "--table") {
      filter.table = value;
      continue;
    }
    const auto at = DbDateTime::Parse(value);
    if (!at) return false;
    if (a[i] == "--from") filter.from = *at;
    else if (a[i] == "--to") filter.to = EndOf(value, *at);
    else return false;
  }
  return true;
}

int RunAudit(const Args& a) {
  audit::Filter filter;
  if (!ParseFilter(a, filter)) return Usage();
  kv7::store::Database db;
  try {
    auto& c = db.Connection();
    if (!c.TableExists(audit::kAuditTable)) return Fail(std::string("table ") + audit::kAuditTable + " does not exist");
    for (const auto& entry : audit::ListEntries(c, filter)) std::printf("%s\n", audit::TsvLine(entry).c_str());
    return 0;
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
}

static Registration reg("audit", kUsage, &RunAudit);

}  // namespace

audit::Actor Who() {
  kv7::store::ConfigStore store;
  kv7::store::Configuration config;
  kv7::store::LoadConfiguration(config, store);
  return audit::ActorOf(config.macchina, "kv7ctl");
}

void RecordFileChange(const audit::Change& change) {
  try {
    kv7::store::Database db;
    audit::RecordFileChange(db.Connection(), Who(), change);
  } catch (const kv7::store::DbError& e) {
    std::fprintf(stderr, "kv7ctl: audit row not written (%s %s): %s\n", change.table.c_str(), change.action.c_str(),
                 e.what());
  }
}

}  // namespace kv7ctl
