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
  SavePriceList(Db(), january);
  SavePriceList(Db(), march);
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

TEST_F(PriceArchive, SavingADayAgainReplacesItsWholeList) {
  SavePriceList(Db(), PriceList{"05", Day("2024-01-01"), {{{1, 1}, 10000}, {{2, 1}, 10000}}});
  const PriceList edited{"05", Day("2024-01-01"), {{{2, 1}, 15000}}};  // class 1 cleared
  SavePriceList(Db(), edited);
  EXPECT_EQ(LoadPriceList(Db(), "05", Day("2024-01-01")), edited);
  EXPECT_EQ(kv7::store::ToInteger(Sql().QueryFirst("SELECT COUNT(*) FROM `kv7_listino`").value()[0]), 1);
}

TEST_F(PriceArchive, ArchiveWithoutTheTable) {
  Sql().ExecuteSql("DROP TABLE `kv7_listino`");
  EXPECT_FALSE(LoadListInForce(Db(), "05", Day("2024-03-01")));
  EXPECT_TRUE(LoadPriceBook(Db()).Empty());
  const PriceList list{"05", Day("2024-01-01"), {{{1, 1}, 10000}}};
  SavePriceList(Db(), list);
  EXPECT_EQ(LoadListInForce(Db(), "05", Day("2024-03-01")), list);
}

}  // namespace
