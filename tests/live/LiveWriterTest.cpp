// The live row's writer against the private server: a snapshot offered
// reaches its machine's row and reads back, faster offers are coalesced to
// the latest at most once per interval, and an archive that is hung or down
// never makes Offer wait nor piles snapshots up; writing resumes when it is back.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "live/LiveArchive.h"
#include "live/LiveJson.h"
#include "live/LiveWriter.h"
#include "store/TestDatabase.h"
#include "support/Until.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

live::LiveRow Snapshot(int machine, const std::string& batch) {
  live::LiveRow row;
  row.machine = machine;
  row.state = "4 - Lavorazione";
  row.program = "05";
  row.programName = "Pere " + std::string(70, 'x');  // longer than its column
  row.batch = batch;
  row.producer = "Società Agricola";
  row.cupsPerMinute = 738;
  row.classes = {{"A", 50, 100}, {"B \"2\"", 100, 120}};
  row.totals = {{1000, 0, 250, 0}, {0, 3000, 0, 7}};
  row.reject = 450;
  return row;
}

class LiveWriterTest : public TestDatabase {
 protected:
  bool RowShows(store::Database& db, const std::string& batch, std::chrono::milliseconds limit = 5000ms) {
    return RepeatUntil([] {}, [&] {
      const auto rows = live::LoadLiveRows(db);
      return !rows.empty() && rows[0].batch == batch;
    }, limit);
  }
};

TEST_F(LiveWriterTest, OfferedSnapshotReachesTheRowOfItsMachineAndReadsBack) {
  live::LiveWriter writer(Params(), 100ms);
  writer.Offer(Snapshot(2, "B-17"));
  live::LiveRow other = Snapshot(1, "A-3");
  other.cupsPerMinute.reset();
  ASSERT_TRUE(RepeatUntil([] {}, [&] { return writer.Counts().written == 1; }, 5000ms));
  writer.Offer(other);
  ASSERT_TRUE(RowShows(Db(), "A-3"));

  const auto rows = live::LoadLiveRows(Db());
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].machine, 2);
  EXPECT_EQ(rows[1].programName, Snapshot(2, "").programName.substr(0, 60));
  EXPECT_EQ(rows[1].producer, "Società Agricola");
  EXPECT_LT(rows[1].ageSeconds, 5);
  EXPECT_EQ(rows[1].data, R"({"classes":[{"name":"A","from":50,"to":100},{"name":"B \"2\"","from":100,"to":120}],)"
                          R"("totals":[[1000,0,250,0],[0,3000,0,7]],"reject":450})");
  const std::string json = live::ToJson(rows);
  EXPECT_NE(json.find(R"({"machine":1,"updated":")" + rows[0].updated + "\""), std::string::npos);
  EXPECT_NE(json.find(R"("answering":true,"state":"4 - Lavorazione","program":"05")"), std::string::npos);
  EXPECT_NE(json.find(R"("cupsPerMinute":null,"productionKgPerHour":null,"waiting":0,"data":{"classes")"),
            std::string::npos);
}

TEST_F(LiveWriterTest, OffersFasterThanTheIntervalAreCoalescedToTheLatest) {
  constexpr auto kInterval = 2000ms;  // well past a loaded machine's offers
  live::LiveWriter writer(Params(), kInterval);
  const auto start = Clock::now();
  writer.Offer(Snapshot(1, "0"));
  ASSERT_TRUE(RowShows(Db(), "0"));
  for (int n = 1; n <= 20; ++n) writer.Offer(Snapshot(1, std::to_string(n)));
  ASSERT_TRUE(RowShows(Db(), "20"));
  EXPECT_GE(Clock::now() - start, kInterval);
  EXPECT_EQ(writer.Counts().written, 2u);
  EXPECT_EQ(writer.Counts().skipped, 19u);
}

TEST_F(LiveWriterTest, HungOrDownArchiveNeverHoldsTheCallerAndWritingResumesWhenBack) {
  // Hung: a port that accepts (the kernel does) and never answers.
  const int hung = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
  socklen_t len = sizeof a;
  ASSERT_EQ(::bind(hung, reinterpret_cast<sockaddr*>(&a), len) | ::listen(hung, 16) |
                ::getsockname(hung, reinterpret_cast<sockaddr*>(&a), &len), 0);
  store::DbParams hungParams = Params();
  hungParams.host = "127.0.0.1";
  hungParams.socket.clear();
  hungParams.port = ntohs(a.sin_port);
  // Down: the archive's database is not there yet.
  store::DbParams downParams = Params();
  downParams.database = Name() + "_later";

  for (const store::DbParams* params : {&hungParams, &downParams}) {
    live::LiveWriter writer(*params, 200ms);
    int offered = 0;
    auto slowest = Clock::duration::zero();
    const auto offer = [&] {
      const auto begin = Clock::now();
      writer.Offer(Snapshot(1, std::to_string(++offered)));
      slowest = std::max(slowest, Clock::now() - begin);
    };
    ASSERT_TRUE(RepeatUntil(offer, [&] { return writer.Counts().failed >= 2; }, 15000ms));
    EXPECT_LT(slowest, 50ms);
    EXPECT_EQ(writer.Counts().written, 0u);
    // Gone but the one in the slot and the one being written.
    EXPECT_LE(static_cast<std::uint64_t>(offered) - writer.Counts().skipped, 2u);
    if (params == &hungParams) continue;

    Sql().ExecuteSql("CREATE DATABASE " + store::QuoteIdentifier(downParams.database));
    ASSERT_TRUE(RepeatUntil(offer, [&] { return writer.Counts().written > 0; }, 15000ms));
    store::Database back(downParams);
    EXPECT_TRUE(RowShows(back, std::to_string(offered))) << "the latest snapshot, in a table made for it";
    Sql().ExecuteSql("DROP DATABASE " + store::QuoteIdentifier(downParams.database));
  }
  ::close(hung);
}

}  // namespace
}  // namespace kv7::test
