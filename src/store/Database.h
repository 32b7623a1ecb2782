#pragma once
// The data module: owns the connection to the archive and gives the rest of
// the program its operations on programs, batches, the restart record and
// the print totals, plus plain row access to every table.
//
// Every operation throws DbError (the library's text) when the database
// fails; the caller shows it and goes on. When the server cannot be reached
// the program still runs: Connect() reports the failure once, and every
// later operation tries to connect again before it throws.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/BatchFigures.h"
#include "store/DbConnection.h"
#include "store/DbParams.h"
#include "store/DbTable.h"
#include "store/ProgramRecord.h"

namespace kv7::store {

// The restart record of `temporary`: the current program and producer.
struct CurrentSelection {
  std::string program = "000";
  std::string producer = "00000";
  std::int64_t programNumber = 0;
};

// One line of the batch list: the batch and its producer's description
// (nullopt when no producer has the batch's producer code).
struct BatchListEntry {
  std::int64_t num = 0;
  std::optional<DbDateTime> data;
  std::string programma;
  std::string bolla;
  std::string produttore;
  std::optional<std::string> producerName;
};

class Database {
 public:
  // The batch list: every batch in `num` order with the description of the
  // first producer (in producer order) whose code is the batch's producer.
  static const char* const kBatchListSql;

  explicit Database(DbParams params = DbParams::FromEnvironment());

  const DbParams& Params() const { return params_; }

  // Connects when not connected. Never throws: on failure returns false and
  // puts the library's text into *error.
  bool Connect(std::string* error = nullptr);
  bool IsConnected() const { return connection_ != nullptr; }
  void Disconnect() { connection_.reset(); }
  // The server died under the connection: dropped, and the next connection
  // tries the address's next server first.
  void ServerLost();
  // "host:port" of the server connected to; empty when not connected.
  std::string ServerInUse() const;
  // The open connection, connecting first when needed (throws DbError).
  DbConnection& Connection();

  // The machine this program works for: the rows of the working tables it
  // reads and writes, and the machine of the batches it makes.
  void SetMachine(int machine) { machine_ = machine; }
  int Machine() const { return machine_; }

  // Creates the database of the parameters and every missing table, and
  // upgrades older ones; returns the changes made, one line each.
  std::vector<std::string> InitSchema();
  // Upgrades the tables of an archive written before the machine number
  // (UpgradeSchema); returns the changes made.
  std::vector<std::string> UpgradeSchema();
  bool TableExists(const std::string& table);
  // Row access to one of the archive's tables, in its fixed order.
  DbTable Table(const std::string& name);

  // Deletes batch `num`; false when there is no such batch.
  bool DeleteBatchByNumber(std::int64_t num);
  // The first program (in `num` order) whose code is exactly `code`; fills
  // `record` and returns true, or leaves it untouched and returns false.
  bool LoadProgramByCode(const std::string& code, ProgramRecord& record);
  // Batch `num` with its calculated columns; false (nothing changed) when
  // there is no such batch.
  bool LoadBatchByNumber(std::int64_t num, BatchRow& row, BatchFigures& figures);
  bool LoadBatchByNumber(std::int64_t num, BatchRow& row);
  // Writes batch row.num: changes the row with that number or inserts it.
  void SaveBatchRow(const BatchRow& row);
  std::vector<BatchListEntry> ListBatches();

  // The restart record of Machine(). Save returns false when `temporary` does not exist;
  // the texts must be whole numbers (or empty, stored as NULL). Load returns
  // true when the table has a row; otherwise `selection` gets "000" and
  // "00000" and it returns false.
  bool SaveCurrentSelection(const std::string& program, const std::string& producer);
  bool LoadCurrentSelection(CurrentSelection& selection);

  // Replaces Machine()'s row of `totali_temp` with these totals (false when the
  // table does not exist). Load gives the row and its calculated columns;
  // false when the table is missing or empty.
  bool FillPrintTotals(const PrintTotalsRow& totals);
  bool LoadPrintTotals(PrintTotalsRow& totals, PrintTotalsFigures& figures);

  static BatchRow BatchFromRow(const DbRow& row);
  static DbAssignments BatchAssignments(const BatchRow& row);

 private:
  // Runs an operation; a broken connection is dropped so that the next
  // operation connects again.
  template <typename F>
  auto Run(F&& operation) -> decltype(operation(std::declval<DbConnection&>()));

  DbParams params_;
  std::unique_ptr<DbConnection> connection_;
  std::size_t firstServer_ = 0;  // where the next connection starts in the address
  int machine_ = 1;
};

}  // namespace kv7::store
