// Three consoles, each with its own journal and connection, end N batches
// each at the same time (journaled, then replayed, as the end of a batch
// does): stored batches per second on the private server, then with each
// console on its own node of the private cluster. Then node 1 is killed, a
// console that can reach only node 1 ends 50 batches that wait in its
// journal, node 1 is started again, and the time from its return (synced)
// to the last waiting batch stored is measured. Options: --batches N (100).

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "batches/BatchJournal.h"
#include "store/Database.h"

namespace {

namespace fs = std::filesystem;
using namespace kv7;
using Clock = std::chrono::steady_clock;

std::string Run(const std::string& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[512];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    if (::pclose(p) != 0) std::fprintf(stderr, "cluster_bench: '%s' failed\n", command.c_str());
  }
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string Cluster(const std::string& args) {
  return Run(std::string(KV7_CLUSTER_SCRIPT " ") + args + " 2>&1");
}

class Console {
 public:
  Console(const fs::path& dir, store::DbParams params) : dir_(dir), db_(std::move(params)) {
    fs::remove_all(dir_);
  }
  void End(int number, int i) {
    store::BatchRow row;
    row.bolla = "M" + std::to_string(number) + "-" + std::to_string(i);
    const store::DbDateTime ended{2026, 9, 14, 8, 0, 0};
    row.data = ended;
    row.programma = "01";
    Journal().Add(row, ended);
  }
  int Replay() { return Journal().Replay(db_, dir_ / "exp", {}).waitingBatches; }
  // A fresh journal object: no back-off left from the time the archive was away.
  void Reopen() { journal_.reset(); }

 private:
  batches::BatchJournal& Journal() {
    if (!journal_)
      journal_ = std::make_unique<batches::BatchJournal>(dir_ / "journal", [](const std::string&) {});
    return *journal_;
  }
  fs::path dir_;
  store::Database db_;
  std::unique_ptr<batches::BatchJournal> journal_;
};

void Prepare(store::DbParams params) {
  store::Database db(params);
  db.InitSchema();
  db.Connection().ExecuteSql("DROP TABLE IF EXISTS `kv7_journal`");
  db.Connection().ExecuteSql("DELETE FROM `bolle`");
}

// Batches stored per second by three consoles ending `n` each at once.
double StoredPerSecond(const std::vector<store::DbParams>& addresses, int n, const fs::path& work) {
  Prepare(addresses[0]);
  std::vector<std::unique_ptr<Console>> consoles;
  for (std::size_t k = 0; k < addresses.size(); ++k)
    consoles.push_back(std::make_unique<Console>(work / ("c" + std::to_string(k)), addresses[k]));
  const auto t0 = Clock::now();
  std::vector<std::thread> threads;
  for (std::size_t k = 0; k < consoles.size(); ++k)
    threads.emplace_back([&, k] {
      for (int i = 0; i < n; ++i) {
        consoles[k]->End(static_cast<int>(k) + 1, i);
        consoles[k]->Replay();
      }
      while (consoles[k]->Replay() > 0) {
      }
    });
  for (auto& t : threads) t.join();
  const double s = std::chrono::duration<double>(Clock::now() - t0).count();
  return 3.0 * n / s;
}

}  // namespace

int main(int argc, char** argv) {
  int n = 100;
  for (int i = 1; i < argc; ++i)
    if (!std::strcmp(argv[i], "--batches") && i + 1 < argc) n = std::max(1, std::atoi(argv[++i]));
  const fs::path work = fs::temp_directory_path() / ("kv7-cluster-bench-" + std::to_string(::getpid()));
  try {
    auto server = store::DbParams::FromEnvironment();
    server.database = "kv2_clusterbench";
    std::printf("one server, 3 consoles x %d batches: %.0f stored/s\n", n,
                StoredPerSecond({server, server, server}, n, work));

    std::vector<store::DbParams> nodes;
    for (int k = 1; k <= 3; ++k) {
      auto p = server;
      p.socket.clear();
      p.host = Cluster("address " + std::to_string(k));
      nodes.push_back(p);
    }
    std::printf("cluster, one console per node, 3 x %d batches: %.0f stored/s\n", n,
                StoredPerSecond(nodes, n, work));

    auto onlyNode1 = nodes[0];
    onlyNode1.host = onlyNode1.host.substr(0, onlyNode1.host.find(','));
    Console waiting(work / "waiting", onlyNode1);
    Cluster("kill 1");
    for (int i = 0; i < 50; ++i) {
      waiting.End(9, i);
      waiting.Replay();
    }
    const auto restart = Clock::now();
    Cluster("restart 1");
    const auto back = Clock::now();
    waiting.Reopen();
    while (waiting.Replay() > 0) {
    }
    const auto done = Clock::now();
    using ms = std::chrono::duration<double, std::milli>;
    std::printf(
        "node 1 restarted and synced in %.0f ms; its 50 waiting batches stored %.0f ms after its return\n",
        ms(back - restart).count(), ms(done - back).count());
    store::Database(server).Connection().ExecuteSql("DROP DATABASE IF EXISTS `kv2_clusterbench`");
    auto anyNode = nodes[1];
    anyNode.database.clear();
    store::DbConnection(anyNode).ExecuteSql("DROP DATABASE IF EXISTS `kv2_clusterbench`");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cluster_bench: %s\n", e.what());
    fs::remove_all(work);
    return 1;
  }
  fs::remove_all(work);
  return 0;
}
