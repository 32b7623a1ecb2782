// kv7ctl producer and batch on the private server: the lines the lists
// print, add and delete seen in the archive, the date bounds of the batch
// list (a day alone is its start in --from and its end in --to) and the exit
// status of failures and bad arguments, and the machine column and filter
// (a row without a machine counts as machine 1).

#include <gtest/gtest.h>

#include <string>

#include "batches/BatchArchive.h"
#include "batches/ProducerArchive.h"
#include "store/TestDatabase.h"
#include "support/Shell.h"

namespace {

using namespace kv7::batches;

using kv7::test::Outcome;

class Kv7ctlBatches : public kv7::test::TestDatabase {
 protected:
  Outcome Run(const std::string& args) {
    return kv7::test::Shell("KV7_DB_NAME=" + Name() + " " KV7CTL_PATH " " + args + " 2>/dev/null");
  }

  void Batch(std::int64_t n, const char* date, const char* producer, std::int64_t grams, std::int64_t reject,
             std::int64_t machine = 1) {
    kv7::store::BatchRow row;
    row.macchina = machine;
    row.num = n;
    row.data = kv7::store::DbDateTime::Parse(date);
    row.programma = "05";
    row.produttore = producer;
    row.tot[1][2] = grams;
    row.totq5 = reject;
    Db().SaveBatchRow(row);
  }
};

TEST_F(Kv7ctlBatches, ProducerCommandsChangeTheArchiveAndListItsRows) {
  const struct {
    const char* args;
    int status;
    const char* list;  // `producer list` afterwards
  } steps[] = {
      {"producer add 12 'Rossi Mario'", 0, "12\tRossi Mario\n"},
      {"producer add 3 Verdi", 0, "3\tVerdi\n12\tRossi Mario\n"},
      {"producer add ' 12' 'Rossi M.'", 0, "3\tVerdi\n12\tRossi M.\n"},  // replaces, as New does
      {"producer add x1 Bianchi", 2, "3\tVerdi\n12\tRossi M.\n"},
      {"producer add 4", 2, "3\tVerdi\n12\tRossi M.\n"},
      {"producer delete 3", 0, "12\tRossi M.\n"},
      {"producer delete 3", 1, "12\tRossi M.\n"},
      {"producer list x", 2, "12\tRossi M.\n"},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(Run(s.args).status, s.status) << s.args;
    const Outcome list = Run("producer list");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, s.list) << s.args;
  }
  // What delete removed is printed whole, so it can be entered again.
  SaveProducer(Db(), 7, "Neri", {});
  EXPECT_EQ(Run("producer delete 7").out, "Produttore cancellato: num=7; codice=7; descrizione=Neri\n");
}

TEST_F(Kv7ctlBatches, BatchListPrintsEveryRowWithinTheDateBoundsAndMachine) {
  SaveProducer(Db(), 12, "Rossi", {});
  Batch(1, "2024-03-01 00:00:00", "12", 1500, 20);
  Batch(2, "2024-03-01 23:59:59", "99", 700, 0, 2);
  Batch(3, "2024-03-02 00:00:00", "12", 0, 0);
  Sql().ExecuteSql("UPDATE `bolle` SET `macchina` = NULL WHERE `num` = 3");
  const std::string b1 = "1\t2024-03-01 00:00:00\t05\t12\tRossi\t1520\t1\n";
  const std::string b2 = "2\t2024-03-01 23:59:59\t05\t99\t<nuovo produttore>\t700\t2\n";
  const std::string b3 = "3\t2024-03-02 00:00:00\t05\t12\tRossi\t0\t1\n";
  const struct {
    const char* args;
    int status;
    std::string out;
  } cases[] = {
      {"batch list", 0, b1 + b2 + b3},
      {"batch list --from 2024-03-01 --to 2024-03-01", 0, b1 + b2},
      {"batch list --from 2024-03-02", 0, b3},
      {"batch list --to '2024-03-01 12:00:00'", 0, b1},
      {"batch list --from '2024-03-01 00:00:01' --to 2024-03-02", 0, b2 + b3},
      {"batch list --from 2024-02-30", 2, ""},
      {"batch list --to", 2, ""},
      {"batch list --from 2024-03-01 --from 2024-03-02", 2, ""},
      {"batch list --machine 1", 0, b1 + b3},
      {"batch list --machine 2 --from 2024-03-01", 0, b2},
      {"batch list --to 2024-03-01 --machine 1", 0, b1},
      {"batch list --machine 3", 0, ""},
      {"batch list --machine 0", 2, ""},
      {"batch list --machine 1x", 2, ""},
      {"batch list --machine 1 --machine 2", 2, ""},
      {"batch show", 2, ""},
  };
  for (const auto& c : cases) {
    const Outcome o = Run(c.args);
    EXPECT_EQ(o.status, c.status) << c.args;
    EXPECT_EQ(o.out, c.out) << c.args;
  }
  Sql().ExecuteSql("DROP TABLE `bolle`");
  EXPECT_EQ(Run("batch list").status, 1);
}

}  // namespace
