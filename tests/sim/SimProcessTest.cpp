// An independent client speaking the board's byte layouts to the running
// kv7-sim over its pseudo-terminals.

#include <gtest/gtest.h>

#include "sim/SimFixtures.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

using namespace kv7::simtest;

namespace {

std::string Poll(SimLine& c) {
  c.SendEchoed("A0\r");
  return c.ReadLine();
}

// Installs two lines and program 7, then waits for processing.
void BringToProcessing(SimLine& c, int lines = 2) {
  c.SendEchoed(InstallCommand(lines) + "\r");
  for (int l = 0; l < 6; ++l) c.SendEchoed(ProgramBlock(7, l, kEvenLimits) + "\r");
  for (int i = 0; i < 100; ++i) {
    if (Poll(c).substr(0, 1) == "4") return;
    std::this_thread::sleep_for(50ms);
  }
  FAIL() << "the board never reached state 4";
}

}  // namespace

TEST(SimOverPty, EchoRulesPerCommand) {
  SimProcess sim({"--speed", "20"});
  SimLine c(sim.Path("controller"));

  EXPECT_EQ(c.SendEchoed("A0\r"), "A0");
  const std::string a = c.ReadLine();
  EXPECT_TRUE(a.size() == 15 && a[0] == '0') << "state 0 after power-up: " << a;

  EXPECT_EQ(c.SendEchoed(">0\r"), ">0");
  EXPECT_EQ(c.ReadLine(), "2.13\r");
  EXPECT_EQ(c.SendEchoed("-2\r"), "-2");
  EXPECT_EQ(c.ReadLine().back(), '\r');

  // Whole-line commands: the echo is the command with its CR, then nothing.
  for (std::string whole : {"-30150009400\r", "-41\r"}) {
    c.Write(whole);
    EXPECT_EQ(c.Read(whole.size()), whole);
  }
  // Commands written in one piece without echo: the reply starts at the first byte.
  for (auto [command, size] : {std::pair{"Q", 26u}, {"R001002", 1u + 6 + 48 + 1}}) {
    c.Write(command + std::string("\r"));
    const std::string reply = c.ReadLine();
    EXPECT_EQ(reply.size(), size);
    EXPECT_EQ(reply.rfind(command, 0), 0u) << reply;
  }
  // Commands without a reply: only their echo.
  EXPECT_EQ(c.SendEchoed("Z\r"), "Z");
  EXPECT_EQ(c.SendEchoed("U107\r"), "U107");
  EXPECT_EQ(c.Drain(), "");
  auto st = sim.Status();
  EXPECT_EQ(st["tare_settings"], "15,0,94,0");
  EXPECT_EQ(st["magnet_type"], "1");
  EXPECT_EQ(st["magnet_test"], "dynamic:07");
}

TEST(SimOverPty, StateProgressionAndTotalsMatchTheSimulatorsOwnFigures) {
  SimProcess sim({"--speed", "2", "--weights", "normal:230:80"});
  SimLine c(sim.Path("controller"));
  EXPECT_EQ(Poll(c)[0], '0');
  c.SendEchoed(InstallCommand(3) + "\r");
  EXPECT_EQ(Poll(c)[0], '1') << "stand-by after the installation, no program yet";
  std::string seen;
  for (int l = 0; l < 6; ++l) c.SendEchoed(ProgramBlock(7, l, kEvenLimits) + "\r");
  for (int i = 0; i < 200 && (seen.empty() || seen.back() != '4'); ++i) {
    char s = Poll(c)[0];
    if (seen.empty() || seen.back() != s) seen += s;
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_EQ(seen, "234") << "encoder wait, initial tare, processing";
  std::string a = Poll(c);
  EXPECT_EQ(a.substr(1, 2), "07");
  EXPECT_EQ(a.substr(3, 3), "100") << "10.0 cups per second";
  sim.Control("speed 30");

  c.SendEchoed("V1\r");
  std::this_thread::sleep_for(700ms);  // about 20 s of machine time
  sim.Control("state 5");              // end of batch: the totals hold still
  auto st = sim.Status();
  std::uint64_t sum = 0;
  for (int l = 0; l < 6; ++l) {
    EXPECT_EQ(c.SendEchoed("V2" + std::to_string(l) + "\r"), "V2" + std::to_string(l));
    std::string block = c.ReadLine(2000ms);
    ASSERT_EQ(block.size(), 121u);
    std::string classes;
    std::uint64_t lineSum = 0;
    for (int k = 0; k < 15; ++k) {
      auto v = std::stoull(block.substr(8 * static_cast<std::size_t>(k), 8));
      classes += (k ? "," : "") + std::to_string(v);
      lineSum += v;
    }
    std::string key = "line" + std::to_string(l + 1);
    EXPECT_EQ(classes, st[key + ".classes"]) << key;
    EXPECT_EQ(std::to_string(lineSum), st[key + ".total"]);
    sum += lineSum;
    EXPECT_TRUE(l < 3 || lineSum == 0) << "only three lines are installed";
  }
  EXPECT_GT(sum, 0u);
  EXPECT_EQ(std::to_string(sum), st["classed_total"]);
  EXPECT_EQ(Poll(c)[0], '5');
}

TEST(SimOverPty, StreamsStopOnTheAbortByte) {
  SimProcess sim({"--speed", "5"});
  SimLine c(sim.Path("controller"));
  c.SendEchoed(InstallCommand(2) + "\r");
  struct Mode {
    std::string start;
    char marker;
    bool wholeLine;
  };
  for (const Mode& m : {Mode{"N005", 'N', false}, Mode{"P200", 'P', false}, Mode{"S", 'S', false},
                        Mode{"T", 'T', false}, Mode{"O1000", 'O', true}}) {
    if (m.wholeLine) {
      c.Write(m.start + "\r");
      EXPECT_EQ(c.Read(m.start.size() + 1), m.start + "\r");
    } else {
      EXPECT_EQ(c.SendEchoed(m.start + "\r"), m.start);
    }
    std::string got = c.Read(2000, 700ms);
    EXPECT_GE(std::count(got.begin(), got.end(), m.marker), 2) << m.start << " streams";
    EXPECT_EQ(sim.Status()["stream"] == "none", false);
    c.Write("\x1b");
    std::string rest = c.Drain(100ms);
    ASSERT_FALSE(rest.empty());
    EXPECT_EQ(rest.back(), '\x1b') << "the echo of the abort byte is the last thing sent";
    EXPECT_EQ(c.Read(1, 600ms), "") << m.start << " went on after the abort byte";
    EXPECT_EQ(sim.Status()["stream"], "none");
  }
  EXPECT_EQ(Poll(c)[0], '1') << "the board answers polls again";
}

TEST(SimOverPty, RejectStationAndBarcodeReader) {
  SimProcess sim({"--speed", "30", "--reject-share", "0.2", "--barcode-every", "0"});
  SimLine c(sim.Path("controller"));
  SimLine r(sim.Path("reject"));
  SimLine b(sim.Path("barcode"));
  r.Write("D\r");
  EXPECT_EQ(r.ReadLine(), "---3\r") << "no echo, reply at once";
  r.Write("M\r");
  EXPECT_EQ(r.ReadLine(), "---\r");
  BringToProcessing(c);
  std::this_thread::sleep_for(500ms);
  sim.Control("state 5");
  sim.Settled("reject.weight");
  r.Write("T\r");
  std::string t = r.ReadLine();
  ASSERT_EQ(t.size(), 20u);
  EXPECT_GT(std::stoll(t.substr(11, 8)), 0) << "the reject weight grows while the machine runs";
  EXPECT_EQ(std::to_string(std::stoll(t.substr(11, 8))), sim.Status()["reject.weight"]);
  r.Write("V\r");
  EXPECT_EQ(r.ReadLine(), "---\r");
  r.Write("P\r");
  EXPECT_EQ(r.ReadLine().substr(9, 2), "11") << "cycle on, unloading";
  sim.Control("reject-error 05");
  r.Write("Z\r");
  EXPECT_EQ(r.ReadLine(), "E05\r");
  r.Write("Z\r");
  EXPECT_EQ(r.ReadLine(), "---\r");

  EXPECT_EQ(b.Read(1, 200ms), "") << "no codes unless asked";
  sim.Control("barcode 8001234567890");
  EXPECT_EQ(b.Read(15), "8001234567890\r\n");
  std::string gen = sim.Control("barcode");
  ASSERT_EQ(gen.substr(0, 5), "code=");
  EXPECT_EQ(b.Read(15), gen.substr(5, 13) + "\r\n");
}

TEST(SimOverPty, FaultsOnDemand) {
  SimProcess sim({});
  SimLine c(sim.Path("controller"));

  sim.Control("drop-echo all");
  c.Write("A0\r");
  std::string reply = c.Read(100, 300ms);
  EXPECT_EQ(reply.size(), 15u) << "no echo, but the board still answers";
  sim.Control("drop-echo off");

  sim.Control("silence on");
  c.Write("A0\r");
  EXPECT_EQ(c.Read(1, 300ms), "");
  c.Write("V1\r");
  sim.Control("silence off");
  EXPECT_EQ(Poll(c).size(), 15u);

  sim.Control("delay 300");
  c.SendEchoed(">1\r");
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(c.ReadLine(2000ms), "12\r");
  EXPECT_GE(std::chrono::steady_clock::now() - start, 250ms);
  sim.Control("delay 0");

  sim.Control("noise 40");
  EXPECT_EQ(c.Read(40, 500ms).size(), 40u);

  sim.Control("disconnect");
  c.Write("A0\r");
  EXPECT_EQ(c.Read(1, 300ms), "");
  EXPECT_EQ(sim.Status()["controller.connected"], "0");
  sim.Control("reconnect");
  EXPECT_EQ(Poll(c).size(), 15u) << "same device path after reconnection";

  EXPECT_THROW(sim.Control("state 9"), std::runtime_error);
  EXPECT_THROW(sim.Control("fly"), std::runtime_error);
}

TEST(SimOverPty, PortMapAndConsoleRestarts) {
  kv7::test::TempDir dir;
  {
    kv7::store::ConfigStore store(kv7::store::ConfigStore::kDefaultRoot, dir.path());
    store.WriteString("kv2", "porta_com", "4");
  }
  SimProcess sim({"--port-map"}, {{"KV7_CONFIG_DIR", dir.path().string()}});
  kv7::store::ConfigStore store(kv7::store::ConfigStore::kDefaultRoot, dir.path());
  EXPECT_EQ(store.ReadString("ports", "COM4", ""), sim.Path("controller"));
  EXPECT_EQ(store.ReadString("ports", "COM3", ""), sim.Path("reject"));
  EXPECT_EQ(store.ReadString("ports", "COM2", ""), sim.Path("barcode"));
  EXPECT_FALSE(store.Find("ports", "COM1").has_value());

  // The console closes its port and opens it again: the line still works.
  for (int round = 0; round < 3; ++round) {
    SimLine c(sim.Path("controller"));
    EXPECT_EQ(Poll(c).size(), 15u) << "round " << round;
  }
}
