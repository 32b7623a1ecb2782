#pragma once
// A season of batches in the scratch database "kv2_stats_bench", made by
// the server itself in one INSERT ... SELECT over a sequence table: this
// year, 200 producers, 30 programs, two machines (a third of the rows name
// machine 2, the others none), one batch in ten without a declared weight.

#include <cstdio>
#include <string>

#include "store/Database.h"
#include "store/DbSchema.h"

namespace kv7::bench {

inline constexpr const char* kStatsBenchDb = "kv2_stats_bench";

inline store::DbParams StatsBenchParams() {
  store::DbParams p = store::DbParams::FromEnvironment();
  p.database = kStatsBenchDb;
  return p;
}

// Drops and fills the database; `batches` up to the sequence's limit.
inline void SeedSeason(int batches) {
  store::DbParams params = StatsBenchParams();
  store::DbParams server = params;
  server.database.clear();
  store::DbConnection admin(server);
  admin.ExecuteSql(std::string("DROP DATABASE IF EXISTS `") + kStatsBenchDb + "`");
  store::Database db(params);
  db.InitSchema();
  std::string columns, values;
  for (int q = 1; q <= store::kQualities; ++q)
    for (int c = 1; c <= store::kClasses; ++c) {
      const std::string col = "tot" + std::to_string(c) + "q" + std::to_string(q);
      columns += ", " + col;
      values += ", (seq * " + std::to_string(c * 7 + q * 13) + ") MOD 40000";
    }
  const std::string seq = "seq_1_to_" + std::to_string(batches);
  db.Connection().ExecuteSql(
      "INSERT INTO bolle (num, data, programma, produttore, totpartita, totq5, macchina, bolla" + columns +
      ") SELECT seq, MAKEDATE(YEAR(CURDATE()), 1) + INTERVAL (seq MOD 250) DAY + INTERVAL (seq MOD 36000) SECOND, "
      "LPAD(1 + seq MOD 30, 2, '0'), CAST(1 + seq MOD 200 AS CHAR), IF(seq MOD 10 = 0, NULL, 500 + seq MOD 3000), "
      "(seq * 31) MOD 20000, IF(seq MOD 3 = 0, 2, NULL), CONCAT('DDT', seq)" + values + " FROM " + seq);
  db.Connection().ExecuteSql(
      "INSERT INTO produttori (num, codice, descrizione) SELECT seq, CAST(seq AS CHAR), "
      "CONCAT('Azienda agricola n. ', seq) FROM seq_1_to_200");
  db.Connection().ExecuteSql("ANALYZE TABLE bolle, produttori");
}

}  // namespace kv7::bench
