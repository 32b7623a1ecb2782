#include "link/tPolling.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "link/cPort.h"
#include "store/ConfigStore.h"
#include "support/Pty.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

// Waits until `reader` holds `n` lines or `limit` passes.
bool WaitForCount(const tPolling& reader, std::size_t n, std::chrono::milliseconds limit = 1s) {
  for (auto end = Clock::now() + limit; reader.count() < n; std::this_thread::sleep_for(5ms))
    if (Clock::now() >= end) return false;
  return true;
}

// Takes lines the way the console does, one per `tick`, until `n` came or `limit` passed.
Lines Take(tPolling& reader, std::size_t n, std::chrono::milliseconds tick = 0ms,
           std::chrono::milliseconds limit = 1s) {
  Lines lines;
  for (auto end = Clock::now() + limit; lines.size() < n && Clock::now() < end;) {
    if (reader.count() == 0) {
      std::this_thread::sleep_for(1ms);
      continue;
    }
    lines.push_back(reader.take());
    std::this_thread::sleep_for(tick);
  }
  return lines;
}

TEST(tPolling, AssemblesLinesAcrossReadsAndSkipsBrokenAndEmptyOnes) {
  test::Pty scanner;
  tPolling reader(scanner.SlavePath(), 40ms);
  ASSERT_TRUE(reader.Start());
  // One code split over several passes.
  scanner.Send("40063");
  std::this_thread::sleep_for(120ms);
  EXPECT_EQ(reader.count(), 0u);
  scanner.Send("8133");
  std::this_thread::sleep_for(120ms);
  scanner.Send("3931\r\n");
  EXPECT_EQ(Take(reader, 1), Lines{"4006381333931\r"});
  // Several codes in one burst, the LF of a line arriving in the next read.
  scanner.Send("A1\r\nB22\r\nC333\r\nD4\r");
  ASSERT_TRUE(WaitForCount(reader, 4));
  std::this_thread::sleep_for(100ms);
  // A CR without its LF still ends a line, and the next line keeps its first
  // byte; empty lines carry no code and are skipped.
  scanner.Send("\nE5\r\nBROK\rGOOD1\r\n\r\n\r\nGOOD2\r\n");
  EXPECT_EQ(Take(reader, 8),
            (Lines{"A1\r", "B22\r", "C333\r", "D4\r", "E5\r", "BROK\r", "GOOD1\r", "GOOD2\r"}));
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(reader.take(), "");
}

TEST(tPolling, AFullQueueLosesNoLineWhileTheConsoleDrains) {
  test::Pty scanner;
  tPolling reader(scanner.SlavePath(), 30ms);
  ASSERT_TRUE(reader.Start());
  Lines sent;
  std::string burst;
  for (int i = 0; i < 25; ++i) {
    sent.push_back("CODE" + std::to_string(100 + i) + "\r");
    burst += sent.back() + "\n";
  }
  scanner.Send(burst);
  // Nobody takes: the queue stops at its ten slots.
  ASSERT_TRUE(WaitForCount(reader, tPolling::kQueueCapacity));
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(reader.count(), tPolling::kQueueCapacity);
  // The console takes one line per tick; every line comes out, in order.
  EXPECT_EQ(Take(reader, sent.size(), 10ms, 5s), sent);
}

TEST(tPolling, LinesPassIntactWhileTheConsoleTakesConcurrently) {
  test::Pty scanner;
  tPolling reader(scanner.SlavePath(), 2ms);
  ASSERT_TRUE(reader.Start());
  Lines expected;
  for (int i = 0; i < 200; ++i) expected.push_back("8001234" + std::to_string(10000 + i) + "\r");
  std::thread scannerThread([&] {
    for (int i = 0; i < 200; ++i) {
      scanner.Send(expected[static_cast<std::size_t>(i)] + "\n");
      if (i % 7 == 0) std::this_thread::sleep_for(1ms);
    }
  });
  EXPECT_EQ(Take(reader, 200, 0ms, 10s), expected);
  scannerThread.join();
}

TEST(tPolling, ReadsAboutEveryTwoSecondsByDefaultAndStopsPromptly) {
  test::Pty scanner;
  {
    tPolling reader(scanner.SlavePath());
    ASSERT_TRUE(reader.Start());  // the first pass runs at once
    std::this_thread::sleep_for(200ms);
    const auto sentAt = Clock::now();
    scanner.Send("LATE\r\n");
    ASSERT_TRUE(WaitForCount(reader, 1, 3s));
    const auto delay = Clock::now() - sentAt;
    EXPECT_GT(delay, 1500ms);
    EXPECT_LT(delay, 2200ms);
    reader.take();
    // What came in after the last pass still gets queued by the last look.
    std::this_thread::sleep_for(100ms);
    scanner.Send("LAST\r\n");
    std::this_thread::sleep_for(20ms);
    const auto start = Clock::now();
    reader.Terminate();
    EXPECT_LT(Clock::now() - start, 150ms);
    EXPECT_EQ(Take(reader, 2, 0ms, 50ms), Lines{"LAST\r"});
    EXPECT_FALSE(reader.PortOpen());
    EXPECT_TRUE(cPort(scanner.SlavePath(), 9600).Open()) << "the device is free again";
    reader.Terminate();  // a second call changes nothing
  }
  // Destroying a running reader stops it.
  const auto start = Clock::now();
  {
    tPolling reader(scanner.SlavePath(), 5ms);
    ASSERT_TRUE(reader.Start());
    scanner.Send("X\r\n");
    std::this_thread::sleep_for(50ms);
  }
  EXPECT_LT(Clock::now() - start, 300ms);
}

TEST(tPolling, PortZeroIdlesMappedPortsWorkAndAMissingReaderIsPickedUpLater) {
  test::TempDir dir;
  store::ConfigStore map("kv7test", dir.path());
  test::Pty scanner;
  ASSERT_TRUE(map.WriteString("ports", "COM2", scanner.SlavePath()));
  tPolling idle(0, map, 10ms);
  EXPECT_FALSE(idle.HasPort());
  EXPECT_TRUE(idle.Start());
  std::this_thread::sleep_for(100ms);
  EXPECT_TRUE(cPort(2, 9600, map).Open()) << "the idle thread holds no port";
  EXPECT_EQ(idle.count(), 0u);
  auto start = Clock::now();
  idle.Terminate();
  EXPECT_LT(Clock::now() - start, 50ms);
  EXPECT_FALSE(tPolling(99, map, 10ms).HasPort());

  {
    tPolling mapped(2, map, 10ms);
    ASSERT_TRUE(mapped.Start());
    scanner.Send("MAPPED\r\n");
    EXPECT_EQ(Take(mapped, 1), Lines{"MAPPED\r"});
  }
  const auto link = (dir / "scanner").string();
  tPolling reader(link, 20ms);
  EXPECT_FALSE(reader.Start());
  EXPECT_FALSE(reader.PortOpen());
  // The reader appears later: the thread opens it at its next pass.
  std::filesystem::create_symlink(scanner.SlavePath(), link);
  for (auto end = Clock::now() + 1s; !reader.PortOpen() && Clock::now() < end;)
    std::this_thread::sleep_for(5ms);
  ASSERT_TRUE(reader.PortOpen());
  scanner.Send("PLUGGED\r\n");
  EXPECT_EQ(Take(reader, 1), Lines{"PLUGGED\r"});
}

}  // namespace
}  // namespace kv7
