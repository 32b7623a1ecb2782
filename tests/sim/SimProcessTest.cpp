// An independent client speaking the board's byte layouts to the running
// kv7-sim over its pseudo-terminals: the echo rules, the faults only a raw
// client can see, the port map. States, totals, streams, the reject station
// and the barcode reader are exercised through the console's own link
// against the simulator.

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

TEST(SimOverPty, FaultsOnDemand) {
  SimProcess sim({});
  SimLine c(sim.Path("controller"));

  sim.Control("drop-echo all");
  c.Write("A0\r");
  std::string reply = c.Read(100, 300ms);
  EXPECT_EQ(reply.size(), 15u) << "no echo, but the board still answers";
  sim.Control("drop-echo off");

  // Silence, delays and unplugging are seen through the console's link
  // against the simulator; noise only here.
  sim.Control("noise 40");
  EXPECT_EQ(c.Read(40, 500ms).size(), 40u);

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
