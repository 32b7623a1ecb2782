// Three consoles, each on a different node of the private three-node cluster
// (scripts/cluster), ending 50 batches each at the same time. Node 1 is
// killed while its console is half way and started again later: every
// batch is stored once, and that console goes on through another node.

#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

#include "batches/SharedArchive.h"
#include "support/Shell.h"

namespace {

using kv7::test::SharedArchiveConsole;
constexpr auto kLimit = std::chrono::seconds(120);

std::string Cluster(const std::string& args) {
  auto o = kv7::test::Shell(std::string(KV7_CLUSTER_SCRIPT " ") + args + " 2>&1");
  EXPECT_EQ(o.status, 0) << "scripts/cluster " << args << ": " << o.out;
  while (!o.out.empty() && o.out.back() == '\n') o.out.pop_back();
  return o.out;
}

class ClusterArchive : public ::testing::Test {
 protected:
  void SetUp() override {
    params_ = kv7::store::DbParams::FromEnvironment();
    params_.socket.clear();
    params_.database = "kv2_cluster_" + std::to_string(::getpid());
    params_.host = Cluster("address 1");
    kv7::store::Database(params_).InitSchema();
  }
  void TearDown() override {
    auto server = params_;
    server.database.clear();
    try {
      kv7::store::DbConnection(server).ExecuteSql("DROP DATABASE IF EXISTS `" + params_.database + "`");
    } catch (const kv7::store::DbError&) {
    }
  }
  // The address as console `node` lists it: its own node first.
  kv7::store::DbParams ConsoleOn(int node) {
    auto p = params_;
    p.host = Cluster("address " + std::to_string(node));
    return p;
  }

  kv7::store::DbParams params_;
};

TEST_F(ClusterArchive, ANodeDyingAndComingBackLosesAndDoublesNoBatch) {
  std::vector<std::unique_ptr<SharedArchiveConsole>> consoles;
  for (int n = 1; n <= 3; ++n) consoles.push_back(std::make_unique<SharedArchiveConsole>(n, ConsoleOn(n)));
  auto& onNode1 = *consoles[0];
  const std::string node1 = params_.host.substr(0, params_.host.find(','));

  std::atomic<bool> go{false}, node1Dead{false};
  std::vector<std::thread> threads;
  for (auto& c : consoles)
    threads.emplace_back([&, console = c.get()] {
      go.wait(false);
      console->EndBatches(50, [&](int i) {
        // Console 1 stops half way until its node has died under it.
        if (console == &onNode1 && i == 20) node1Dead.wait(false);
      });
    });
  go = true;
  go.notify_all();

  ASSERT_TRUE(onNode1.WaitStored(20, kLimit));
  Cluster("kill 1");
  node1Dead = true;
  node1Dead.notify_all();
  // It goes on while its node is away.
  EXPECT_TRUE(onNode1.WaitStored(35, kLimit));
  Cluster("restart 1");

  for (auto& t : threads) t.join();
  for (auto& c : consoles) ASSERT_TRUE(c->Drain(kLimit)) << "console " << c->Number();
  EXPECT_NE(onNode1.Db().ServerInUse(), node1);
  EXPECT_FALSE(onNode1.Db().ServerInUse().empty());
  // Its log says where its batches went, before and after.
  const auto& log = onNode1.Log();
  const auto first = log.find("Giornale: archivio su " + node1 + "\r\n");
  EXPECT_NE(first, std::string::npos) << log;
  EXPECT_NE(log.find("Giornale: archivio su " + onNode1.Db().ServerInUse(), first), std::string::npos) << log;

  // Read on the node that came back: it has caught up with the others.
  auto onlyNode1 = params_;
  onlyNode1.host = node1;
  kv7::store::DbConnection back(onlyNode1);
  kv7::test::ExpectEveryBatchOnce(back, {consoles[0].get(), consoles[1].get(), consoles[2].get()});
}

}  // namespace
