// Price lists in the archive on the private server: a list saved whole and
// replaced whole, a new day keeping the earlier list for the batches before
// it, the list in force read back, an archive without the table.

#include <gtest/gtest.h>

#include "prices/PriceArchive.h"
#include "store/TestDatabase.h"

namespace {

using namespace kv7::prices;
using kv7::store::DbDateTime;

DbDateTime Day(const char* text) {
  return *DbDateTime::Parse(text);
}

class PriceArchive : public kv7::test::TestDatabase {};

TEST_F(PriceArchive, NewDayKeepsTheEarlierList) {
  const PriceList january{"05", Day("2024-01-01"), {{{1, 1}, 12345}, {{15, 4}, 1}, {kRejectKey, 100}}};
  const PriceList march{"05", Day("2024-03-01"), {{{1, 1}, 20000}}};
  SavePriceList(Db(), january, {});
  SavePriceList(Db(), march, {});
  EXPECT_EQ(LoadPriceList(Db(), "05", Day("2024-01-01")), january);
  EXPECT_EQ(LoadPriceList(Db(), "5", Day("2024-03-01")), march);
  EXPECT_EQ(ListDays(Db(), "05"), (std::vector<DbDateTime>{Day("2024-01-01"), Day("2024-03-01")}));
  EXPECT_EQ(LoadListInForce(Db(), "05", Day("2024-02-29 18:00:00")), january);
  EXPECT_EQ(LoadListInForce(Db(), "05", Day("2024-03-01 06:00:00")), march);
  EXPECT_FALSE(LoadListInForce(Db(), "05", Day("2023-12-31 23:00:00")));
  EXPECT_FALSE(LoadListInForce(Db(), "06", Day("2024-03-01 06:00:00")));
  // The book reads the same lists in one query.
  const PriceBook book = LoadPriceBook(Db());
  ASSERT_TRUE(book.InForce("05", Day("2024-02-01")));
  EXPECT_EQ(*book.InForce("05", Day("2024-02-01")), january);
}

TEST_F(PriceArchive, SavingADayAgainReplacesItsWholeListAndEachChangeIsAudited) {
  const kv7::audit::Actor who{2, "tester", "TListino"};
  SavePriceList(Db(), PriceList{"05", Day("2024-01-01"), {{{1, 1}, 10000}, {{2, 1}, 10000}}}, who);
  const PriceList edited{"05", Day("2024-01-01"), {{{2, 1}, 15000}}};  // class 1 cleared
  SavePriceList(Db(), edited, who);
  SavePriceList(Db(), edited, who);  // nothing changes: no row
  EXPECT_EQ(LoadPriceList(Db(), "05", Day("2024-01-01")), edited);
  EXPECT_EQ(kv7::store::ToInteger(Sql().QueryFirst("SELECT COUNT(*) FROM `kv7_listino`").value()[0]), 1);
  const auto rows = Sql().Query(
      "SELECT azione, chiave, macchina, JSON_VALUE(prima, '$.c1q1'), JSON_VALUE(dopo, '$.c2q1') FROM kv7_audit "
      "WHERE tabella = 'kv7_listino' ORDER BY id");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(kv7::store::ToText(rows[0][0]) + " " + kv7::store::ToText(rows[0][1]), "nuova 05 2024-01-01");
  EXPECT_TRUE(kv7::store::IsNull(rows[0][3]));
  EXPECT_EQ(kv7::store::ToText(rows[1][0]) + " " + kv7::store::ToText(rows[1][3]) + " " +
                kv7::store::ToText(rows[1][4]),
            "modifica 1.0000 1.5000");
  EXPECT_EQ(kv7::store::ToInteger(rows[1][2]), 2);
}

TEST_F(PriceArchive, ArchiveWithoutTheTable) {
  Sql().ExecuteSql("DROP TABLE `kv7_listino`");
  EXPECT_FALSE(LoadListInForce(Db(), "05", Day("2024-03-01")));
  EXPECT_TRUE(LoadPriceBook(Db()).Empty());
  const PriceList list{"05", Day("2024-01-01"), {{{1, 1}, 10000}}};
  SavePriceList(Db(), list, {});
  EXPECT_EQ(LoadListInForce(Db(), "05", Day("2024-03-01")), list);
}

}  // namespace
