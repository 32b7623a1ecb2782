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

// Waits until `reader` holds `n` lines or `limit` passes.
bool WaitForCount(const tPolling& reader, std::size_t n, std::chrono::milliseconds limit) {
  auto end = Clock::now() + limit;
  while (reader.count() < n) {
    if (Clock::now() >= end) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

std::vector<std::string> TakeAll(tPolling& reader) {
  std::vector<std::string> lines;
  while (reader.count() > 0) lines.push_back(reader.take());
  return lines;
}

using Lines = std::vector<std::string>;

class tPollingTest : public ::testing::Test {
 protected:
  test::Pty scanner;
};

TEST_F(tPollingTest, AssemblesLinesAcrossReadsAndSeveralFromOneRead) {
  tPolling reader(scanner.SlavePath(), 40ms);
  ASSERT_TRUE(reader.Start());

  // One code split over several passes.
  scanner.Send("40063");
  std::this_thread::sleep_for(120ms);
  EXPECT_EQ(reader.count(), 0u);
  scanner.Send("8133");
  std::this_thread::sleep_for(120ms);
  scanner.Send("3931\r\n");
  ASSERT_TRUE(WaitForCount(reader, 1, 1s));
  EXPECT_EQ(reader.take(), "4006381333931\r");

  // Three codes in one burst, and the LF of a line arriving in the next read.
  scanner.Send("A1\r\nB22\r\nC333\r\nD4\r");
  ASSERT_TRUE(WaitForCount(reader, 4, 1s));
  std::this_thread::sleep_for(100ms);
  scanner.Send("\nE5\r\n");
  ASSERT_TRUE(WaitForCount(reader, 5, 1s));
  EXPECT_EQ(TakeAll(reader), (Lines{"A1\r", "B22\r", "C333\r", "D4\r", "E5\r"}));
  EXPECT_EQ(reader.take(), "");
}

TEST_F(tPollingTest, ABrokenLineDoesNotSpoilTheNextOne) {
  tPolling reader(scanner.SlavePath(), 40ms);
  ASSERT_TRUE(reader.Start());
  // A CR without its LF still ends a line, and the next line keeps its first
  // byte; empty lines carry no code and are skipped.
  scanner.Send("BROK\rGOOD1\r\n\r\n\r\nGOOD2\r\n");
  ASSERT_TRUE(WaitForCount(reader, 3, 1s));
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(TakeAll(reader), (Lines{"BROK\r", "GOOD1\r", "GOOD2\r"}));
}

TEST_F(tPollingTest, AFullQueueLosesNoLineWhileTheConsoleDrains) {
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
  ASSERT_TRUE(WaitForCount(reader, tPolling::kQueueCapacity, 1s));
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(reader.count(), tPolling::kQueueCapacity);

  // The console takes one line per tick; every line comes out, in order.
  Lines received;
  auto end = Clock::now() + 5s;
  while (received.size() < sent.size() && Clock::now() < end) {
    if (reader.count() > 0) received.push_back(reader.take());
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_EQ(received, sent);
}

TEST_F(tPollingTest, ReadsAboutEveryTwoSecondsByDefault) {
  tPolling reader(scanner.SlavePath());
  ASSERT_TRUE(reader.Start());  // the first pass runs at once
  std::this_thread::sleep_for(200ms);
  auto sentAt = Clock::now();
  scanner.Send("LATE\r\n");
  ASSERT_TRUE(WaitForCount(reader, 1, 3s));
  auto delay = Clock::now() - sentAt;
  EXPECT_GT(delay, 1500ms);
  EXPECT_LT(delay, 2200ms);
}

TEST_F(tPollingTest, TerminatesWithinOneReadTimeOutAndFreesThePort) {
  tPolling reader(scanner.SlavePath());
  ASSERT_TRUE(reader.Start());
  std::this_thread::sleep_for(100ms);
  // What came in after the last pass still gets queued by the last look.
  scanner.Send("LAST\r\n");
  std::this_thread::sleep_for(20ms);
  auto start = Clock::now();
  reader.Terminate();
  EXPECT_LT(Clock::now() - start, 150ms);
  EXPECT_EQ(TakeAll(reader), (Lines{"LAST\r"}));
  EXPECT_FALSE(reader.PortOpen());
  // The device is free again for anybody else.
  cPort other(scanner.SlavePath(), 9600);
  EXPECT_TRUE(other.Open());
  reader.Terminate();  // a second call changes nothing
}

TEST_F(tPollingTest, DestroyingARunningReaderStopsIt) {
  auto start = Clock::now();
  {
    tPolling reader(scanner.SlavePath(), 5ms);
    ASSERT_TRUE(reader.Start());
    scanner.Send("X\r\n");
    std::this_thread::sleep_for(50ms);
  }
  EXPECT_LT(Clock::now() - start, 300ms);
}

TEST(tPollingPorts, PortZeroIdlesUntilTerminated) {
  test::TempDir dir;
  store::ConfigStore map("kv7test", dir.path());
  test::Pty scanner;
  ASSERT_TRUE(map.WriteString("ports", "COM2", scanner.SlavePath()));

  tPolling idle(0, map, 10ms);
  EXPECT_FALSE(idle.HasPort());
  EXPECT_TRUE(idle.Start());
  std::this_thread::sleep_for(100ms);
  {
    // The idle thread holds no port: COM2's device is free.
    cPort other(2, 9600, map);
    EXPECT_TRUE(other.Open());
  }
  EXPECT_EQ(idle.count(), 0u);
  auto start = Clock::now();
  idle.Terminate();
  EXPECT_LT(Clock::now() - start, 50ms);

  tPolling absent(99, map, 10ms);
  EXPECT_FALSE(absent.HasPort());

  tPolling mapped(2, map, 10ms);
  ASSERT_TRUE(mapped.Start());
  scanner.Send("MAPPED\r\n");
  EXPECT_TRUE(WaitForCount(mapped, 1, 1s));
  EXPECT_EQ(mapped.take(), "MAPPED\r");
}

TEST(tPollingPorts, AMissingReaderIsReportedAndThenPickedUp) {
  test::TempDir dir;
  const auto link = (dir / "scanner").string();
  tPolling reader(link, 20ms);
  EXPECT_FALSE(reader.Start());
  EXPECT_FALSE(reader.PortOpen());
  // The reader appears later: the thread opens it at its next pass.
  test::Pty scanner;
  std::filesystem::create_symlink(scanner.SlavePath(), link);
  auto end = Clock::now() + 1s;
  while (!reader.PortOpen() && Clock::now() < end) std::this_thread::sleep_for(5ms);
  ASSERT_TRUE(reader.PortOpen());
  scanner.Send("PLUGGED\r\n");
  ASSERT_TRUE(WaitForCount(reader, 1, 1s));
  EXPECT_EQ(reader.take(), "PLUGGED\r");
}

TEST_F(tPollingTest, LinesPassIntactWhileTheConsoleTakesConcurrently) {
  tPolling reader(scanner.SlavePath(), 2ms);
  ASSERT_TRUE(reader.Start());
  Lines sent;
  std::thread scannerThread([&] {
    for (int i = 0; i < 200; ++i) {
      std::string line = "8001234" + std::to_string(10000 + i) + "\r\n";
      scanner.Send(line);
      if (i % 7 == 0) std::this_thread::sleep_for(1ms);
    }
  });
  Lines received;
  auto end = Clock::now() + 10s;
  while (received.size() < 200 && Clock::now() < end) {
    if (reader.count() > 0) {
      received.push_back(reader.take());
    } else {
      std::this_thread::sleep_for(1ms);
    }
  }
  scannerThread.join();
  ASSERT_EQ(received.size(), 200u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(received[i], "8001234" + std::to_string(10000 + i) + "\r");
}

}  // namespace
}  // namespace kv7
