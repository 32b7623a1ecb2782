// Three consoles' journals against one private server, ending 50 batches
// each at the same time: no number is given twice, no batch is lost or
// stored twice, and no table lock is needed for it.

#include <gtest/gtest.h>

#include <thread>

#include "batches/SharedArchive.h"
#include "store/TestDatabase.h"

namespace {

using kv7::test::SharedArchiveConsole;

class SharedServer : public kv7::test::TestDatabase {};

TEST_F(SharedServer, ThreeConsolesEndingBatchesAtOnceStoreEachOnceUnderItsOwnNumber) {
  std::vector<std::unique_ptr<SharedArchiveConsole>> consoles;
  for (int n = 1; n <= 3; ++n) consoles.push_back(std::make_unique<SharedArchiveConsole>(n, Params()));
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (auto& c : consoles)
    threads.emplace_back([&go, console = c.get()] {
      go.wait(false);
      console->EndBatches(50);
    });
  go = true;
  go.notify_all();
  for (auto& t : threads) t.join();
  for (auto& c : consoles) {
    EXPECT_EQ(c->LeftWaiting(), 0) << "console " << c->Number();
    ASSERT_TRUE(c->Drain(std::chrono::seconds(60))) << "console " << c->Number();
  }

  kv7::test::ExpectEveryBatchOnce(Sql(), {consoles[0].get(), consoles[1].get(), consoles[2].get()});
}

// An address whose first server does not answer: the console stores
// through the next one and says which it uses.
TEST_F(SharedServer, AnAddressWhoseFirstServerIsDownStoresThroughTheNext) {
  auto params = Params();
  const std::string reachable = params.host;
  params.host = "127.0.0.1:1, " + reachable;  // nothing listens on port 1
  SharedArchiveConsole console(1, params);
  console.EndBatches(3);
  ASSERT_TRUE(console.Drain(std::chrono::seconds(30)));
  EXPECT_EQ(console.Db().ServerInUse(), reachable + ":" + std::to_string(params.port));
  kv7::test::ExpectEveryBatchOnce(Sql(), {&console});
}

}  // namespace
