// kv7ctl producer: the producers as the "Pro&duttori" windows keep them.
// "add" stores as the producer window's New does (an existing code gets the
// new description); "delete" removes the first producer with that code and
// prints the row it removed. Archive from the KV7_DB_* environment.

#include <cstdio>
#include <string>

#include "Command.h"
#include "batches/BatchRules.h"
#include "batches/ProducerArchive.h"
#include "store/DbError.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "list | add CODE DESCRIPTION | delete CODE";
// Width of `produttori`.`descrizione`.
constexpr std::size_t kDescriptionWidth = 45;

namespace batches = kv7::batches;

int Usage() { return UsageError(std::string("producer: usage: kv7ctl producer ") + kUsage); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: producer: %s\n", message.c_str());
  return 1;
}

int List(kv7::store::Database& db) {
  for (const auto& p : batches::FillProducerList(db))
    std::printf("%s\t%s\n", p.codice.c_str(), p.descrizione.c_str());
  return 0;
}

int Add(kv7::store::Database& db, const std::string& code, const std::string& description) {
  const auto n = batches::ProducerNumber(code);
  if (!n) return UsageError("producer: the code must be a whole number, not '" + code + "'");
  if (batches::CharCount(description) > kDescriptionWidth)
    return UsageError("producer: the description is longer than " + std::to_string(kDescriptionWidth) +
                      " characters");
  batches::SaveProducer(db, *n, description, Who());
  return 0;
}

int Delete(kv7::store::Database& db, const std::string& code) {
  for (const auto& p : batches::FillProducerList(db)) {
    if (p.codice != code) continue;
    const bool deleted = batches::DeleteProducer(db, p, [](std::string line) {
      while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
      std::printf("%s\n", line.c_str());
    }, Who());
    return deleted ? 0 : Fail("no producer with code \"" + code + "\"");
  }
  return Fail("no producer with code \"" + code + "\"");
}

int RunProducer(const Args& a) {
  if (a.empty()) return Usage();
  const bool list = a[0] == "list" && a.size() == 1;
  const bool add = a[0] == "add" && a.size() == 3;
  const bool del = a[0] == "delete" && a.size() == 2;
  if (!list && !add && !del) return Usage();
  kv7::store::Database db;
  try {
    if (!db.TableExists("produttori")) return Fail("table produttori does not exist");
    if (list) return List(db);
    return add ? Add(db, a[1], a[2]) : Delete(db, a[1]);
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
}

static Registration reg("producer", kUsage, &RunProducer);

}  // namespace
}  // namespace kv7ctl
