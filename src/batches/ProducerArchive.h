#pragma once
// The producers (table `produttori`) as the "Pro&duttori" commands and the
// batch windows use them. Modify and delete address the row the operator
// selected (its `num` and `codice`), never a row found again by its list
// position, so a deletion earlier in the list cannot make them hit another
// producer. Plain C++ on a store::Database for the machine thread; database
// failures throw store::DbError.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "audit/AuditTrail.h"
#include "batches/ArchiveLog.h"
#include "store/Database.h"

namespace kv7::batches {

struct Producer {
  std::int64_t num = 0;
  std::string codice;
  std::string descrizione;
  bool operator==(const Producer&) const = default;

  // The list window's line: "(" + num right-aligned in 4 + ") " + description.
  std::string ListText() const;
};

// What a batch lists for a producer code no producer has.
inline constexpr const char* kNewProducer = " <nuovo produttore>";

// Every producer in key order (`num`, `codice`); empty when the table is missing.
std::vector<Producer> FillProducerList(store::Database& db);

// The description of the first producer (in key order) whose code is
// exactly `code`; nullopt when none has it.
std::optional<std::string> LookupProducerByCode(store::Database& db, const std::string& code);
// The same on a list already read (the windows hold one).
std::optional<std::string> LookupProducerByCode(const std::vector<Producer>& list, const std::string& code);

// The number New proposes: the count + 1, or, when a producer already has
// that code, one more than the highest integer code.
std::int64_t ProposeProducerNumber(const std::vector<Producer>& list);

// A producer code typed in the producer window: a whole number (blanks
// around allowed); nullopt otherwise, and nothing may be written.
std::optional<std::int64_t> ProducerNumber(const std::string& codeText);

// New: the first producer whose code has the integer value n gets the
// description (and the code n in decimal); with none, a row is appended with
// `num` = n. Returns true when a row was appended. New, modify and delete
// record their audit row (`who`) in the transaction that writes.
bool SaveProducer(store::Database& db, std::int64_t n, const std::string& description, const audit::Actor& who);

// Modify: the selected row gets code n and the description. When that row
// is gone meanwhile, the save is done as New does it.
void ModifyProducer(store::Database& db, const Producer& selected, std::int64_t n,
                    const std::string& description, const audit::Actor& who);

// Delete: the selected row, written whole to the log first; false when it
// was no longer there.
bool DeleteProducer(store::Database& db, const Producer& selected, const LogSink& log, const audit::Actor& who);

}  // namespace kv7::batches
