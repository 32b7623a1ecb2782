// The live row's writer against the private server: a snapshot offered
// reaches the table and reads back, faster offers are coalesced to the
// latest at most once per interval, and an archive that is down or hung
// never makes Offer wait; writing resumes when the archive is back.

#include <gtest/gtest.h>

#include <chrono>

#include "live/ArchivePort.h"
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
  row.programName = "Mele \"Golden\" " + std::string(70, 'x');  // longer than its column
  row.batch = batch;
  row.producer = "Società Agricola";
  row.cupsPerMinute = 738;
  row.waitingBatches = 2;
  row.classes = {{"A", 50, 100}, {"B", 100, 120}};
  row.totals = {{1000, 0, 250, 0}, {0, 3000, 0, 7}};
  row.reject = 450;
  return row;
}

class LiveWriterTest : public TestDatabase {
 protected:
  std::vector<live::LiveRow> Rows() { return live::LoadLiveRows(Db()); }
  // Waits for machine 1's row to show `batch`.
  bool RowShows(const std::string& batch, std::chrono::milliseconds limit = 5000ms) {
    return RepeatUntil([] {}, [&] {
      const auto rows = Rows();
      return !rows.empty() && rows[0].batch == batch;
    }, limit);
  }
};

TEST_F(LiveWriterTest, OfferedSnapshotReachesTheRowOfItsMachineAndReadsBack) {
  Sql().ExecuteSql("DROP TABLE `kv7_live`");  // an archive from before: the writer creates it
  live::LiveWriter writer(Params());
  live::LiveRow first = Snapshot(2, "B-17");
  first.productionKgPerHour = 5230;
  writer.Offer(first);
  ASSERT_TRUE(RepeatUntil([] {}, [&] { return writer.Counts().written == 1; }, 5000ms));
  live::LiveRow other = Snapshot(1, "A-3");
  other.cupsPerMinute.reset();
  other.program.clear();
  writer.Offer(other);
  ASSERT_TRUE(RowShows("A-3"));

  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  const live::LiveRow& r = rows[1];
  EXPECT_EQ(r.machine, 2);
  EXPECT_EQ(r.state, "4 - Lavorazione");
  EXPECT_EQ(r.program, "05");
  EXPECT_EQ(r.programName, first.programName.substr(0, 60));
  EXPECT_EQ(r.producer, "Società Agricola");
  EXPECT_EQ(r.cupsPerMinute, 738);
  EXPECT_EQ(r.productionKgPerHour, 5230);
  EXPECT_EQ(r.waitingBatches, 2);
  EXPECT_EQ(r.data, live::DataJson(first));
  EXPECT_EQ(r.data, R"({"classes":[{"name":"A","from":50,"to":100},{"name":"B","from":100,"to":120}],)"
                    R"("totals":[[1000,0,250,0],[0,3000,0,7]],"reject":450})");
  EXPECT_GE(r.ageSeconds, 0);
  EXPECT_LT(r.ageSeconds, 5);
  EXPECT_EQ(r.updated.size(), 23u);  // "YYYY-MM-DD HH:MM:SS.mmm"
  EXPECT_EQ(rows[0].cupsPerMinute, std::nullopt);
  EXPECT_EQ(rows[0].program, "");

  const std::string json = live::ToJson(rows);
  EXPECT_NE(json.find(R"("machine":1,)"), std::string::npos);
  EXPECT_NE(json.find(R"("answering":true,"state":"4 - Lavorazione")"), std::string::npos);
  EXPECT_NE(json.find(R"("cupsPerMinute":null)"), std::string::npos);
  EXPECT_NE(json.find(R"("data":{"classes":)"), std::string::npos);
}

TEST_F(LiveWriterTest, OffersFasterThanTheIntervalAreCoalescedToTheLatest) {
  // Longer than the console's second, so a loaded test machine still
  // offers the next ones well inside it.
  constexpr auto kInterval = 2000ms;
  live::LiveWriter writer(Params(), kInterval);
  const auto start = Clock::now();
  writer.Offer(Snapshot(1, "0"));
  ASSERT_TRUE(RowShows("0"));
  for (int n = 1; n <= 20; ++n) writer.Offer(Snapshot(1, std::to_string(n)));
  EXPECT_TRUE(writer.Waiting());
  ASSERT_TRUE(RowShows("20"));
  EXPECT_GE(Clock::now() - start, kInterval) << "at most one row per interval";
  const auto tally = writer.Counts();
  EXPECT_EQ(tally.written, 2u);
  EXPECT_EQ(tally.skipped, 19u);
  EXPECT_FALSE(writer.Waiting());
}

TEST_F(LiveWriterTest, DownOrHungArchiveNeverHoldsTheCallerAndWritingResumesWhenBack) {
  for (const auto mode : {ArchivePort::Mode::Refuse, ArchivePort::Mode::Hang}) {
    ArchivePort port(Params().port);
    port.SetMode(mode);
    store::DbParams params = Params();
    params.host = "127.0.0.1";
    params.socket.clear();
    params.port = port.Port();
    live::LiveWriter writer(params, 200ms);

    int offered = 0;
    auto slowest = Clock::duration::zero();
    const auto offer = [&] {
      const auto start = Clock::now();
      writer.Offer(Snapshot(1, std::to_string(++offered)));
      slowest = std::max(slowest, Clock::now() - start);
    };
    ASSERT_TRUE(RepeatUntil(offer, [&] { return writer.Counts().failed >= 2; }, 15000ms));
    EXPECT_LT(slowest, 50ms);
    EXPECT_EQ(writer.Counts().written, 0u);
    // Nothing piles up: every snapshot is gone but the one in the slot and
    // the one whose write is under way.
    EXPECT_LE(static_cast<std::uint64_t>(offered) - writer.Counts().skipped, 2u);

    port.SetMode(ArchivePort::Mode::Pass);
    ASSERT_TRUE(RepeatUntil(offer, [&] { return writer.Counts().written > 0; }, 15000ms));
    const std::string last = std::to_string(offered);
    ASSERT_TRUE(RowShows(last)) << "the latest snapshot is written once the archive answers";
  }
}

}  // namespace
}  // namespace kv7::test
