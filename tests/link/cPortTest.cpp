#include "link/cPort.h"

#include <dirent.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "store/ConfigStore.h"
#include "support/Pty.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

int OpenDescriptorCount() {
  int n = 0;
  DIR* d = ::opendir("/proc/self/fd");
  while (::readdir(d) != nullptr) ++n;
  ::closedir(d);
  return n;
}

TEST(cPortOpen, RefusesNumbersOutsideTheRangeAndMissingDevices) {
  test::TempDir dir;
  store::ConfigStore map("kv7test", dir.path());
  cPort zero(0, 19200, map);
  EXPECT_FALSE(zero.Open());
  cPort hundred(100, 19200, map);
  EXPECT_FALSE(hundred.Open());
  EXPECT_FALSE(hundred.IsOpen());
  cPort missing("/dev/kv7-no-such-port", 19200);
  EXPECT_FALSE(missing.Open());
  test::Pty pty;
  cPort oddBaud(pty.SlavePath(), 12345);
  EXPECT_FALSE(oddBaud.Open());
}

TEST(cPortOpen, ResolvesThroughThePortMapWithTheSerialDefault) {
  test::TempDir dir;
  store::ConfigStore map("kv7test", dir.path());
  test::Pty pty;
  ASSERT_TRUE(map.WriteString("ports", "COM5", pty.SlavePath()));
  EXPECT_EQ(cPort::ResolveDevice(5, map), pty.SlavePath());
  EXPECT_EQ(cPort::ResolveDevice(1, map), "/dev/ttyS0");
  EXPECT_EQ(cPort::ResolveDevice(12, map), "/dev/ttyS11");
  EXPECT_EQ(cPort::ResolveDevice(0, map), "");
  cPort port(5, 19200, map);
  EXPECT_EQ(port.DevicePath(), pty.SlavePath());
  ASSERT_TRUE(port.Open());
  auto ports = cPort::AvailablePorts(map);
  EXPECT_NE(std::find(ports.begin(), ports.end(), 5), ports.end());
  ASSERT_TRUE(map.WriteString("ports", "COM6", "/dev/kv7-no-such-port"));
  ports = cPort::AvailablePorts(map);
  EXPECT_EQ(std::find(ports.begin(), ports.end(), 6), ports.end());
}

TEST(cPortOpen, SecondOpenerFailsUntilTheFirstCloses) {
  test::Pty pty;
  cPort first(pty.SlavePath(), 19200);
  cPort second(pty.SlavePath(), 19200);
  ASSERT_TRUE(first.Open());
  EXPECT_FALSE(second.Open());
  first.Close();
  EXPECT_TRUE(second.Open());
  // Reopening the same object works as well.
  second.Close();
  EXPECT_TRUE(second.Open());
}

TEST(cPortIo, WriteSendsAtMostTheFirst600Bytes) {
  test::Pty pty;
  cPort port(pty.SlavePath(), 19200);
  ASSERT_TRUE(port.Open());
  std::string text(700, 'x');
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);
  EXPECT_TRUE(port.Write(text));
  std::string got = pty.Receive(700, 100ms);
  EXPECT_EQ(got, text.substr(0, 600));
}

TEST(cPortIo, EveryByteValuePassesUnchangedBothWays) {
  test::Pty pty;
  cPort port(pty.SlavePath(), 19200);
  ASSERT_TRUE(port.Open());
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  ASSERT_TRUE(port.Write(all));
  EXPECT_EQ(pty.Receive(256, 500ms), all);
  pty.Send(all);
  std::string in, part;
  auto deadline = Clock::now() + 1s;
  while (in.size() < all.size() && Clock::now() < deadline)
    if (port.Read(300, part)) in += part;
  EXPECT_EQ(in, all);
}

TEST(cPortIo, ReadTimesOutOnASilentLine) {
  test::Pty pty;
  cPort port(pty.SlavePath(), 19200);
  ASSERT_TRUE(port.Open());
  std::string out = "stale";
  auto t0 = Clock::now();
  EXPECT_FALSE(port.Read(1, out));
  auto took = Clock::now() - t0;
  EXPECT_TRUE(out.empty());
  EXPECT_GE(took, 1900us);
  EXPECT_LT(took, 30ms);
  t0 = Clock::now();
  EXPECT_FALSE(port.Read(50, out));
  took = Clock::now() - t0;
  EXPECT_GE(took, 50ms);
  EXPECT_LT(took, 100ms);
}

TEST(cPortIo, ReadStopsAtTheCountAndKeepsTheRest) {
  test::Pty pty;
  cPort port(pty.SlavePath(), 19200);
  ASSERT_TRUE(port.Open());
  std::string forty;
  for (int i = 0; i < 40; ++i) forty.push_back(static_cast<char>('0' + i % 10));
  pty.Send(forty);
  std::this_thread::sleep_for(5ms);
  std::string out;
  EXPECT_TRUE(port.Read(25, out));
  EXPECT_EQ(out, forty.substr(0, 25));
  EXPECT_TRUE(port.Read(25, out));
  EXPECT_EQ(out, forty.substr(25));
}

TEST(cPortIo, ReadEndsAtAGapBetweenBytes) {
  test::Pty pty;
  cPort port(pty.SlavePath(), 19200);
  ASSERT_TRUE(port.Open());
  std::thread peer([&] {
    pty.Send("abc");
    std::this_thread::sleep_for(15ms);
    pty.Send("def");
  });
  std::string out;
  auto t0 = Clock::now();
  EXPECT_TRUE(port.Read(100, out));
  EXPECT_LT(Clock::now() - t0, 50ms);
  EXPECT_EQ(out, "abc");
  peer.join();
  std::this_thread::sleep_for(2ms);
  EXPECT_TRUE(port.Read(100, out));
  EXPECT_EQ(out, "def");
}

TEST(cPortLoss, VanishedDeviceFailsFastAndCloseReleasesTheDescriptor) {
  int before = OpenDescriptorCount();
  {
    auto pty = std::make_unique<test::Pty>();
    const std::string path = pty->SlavePath();
    cPort port(path, 19200);
    ASSERT_TRUE(port.Open());
    pty.reset();  // the adapter is pulled out
    std::string out;
    auto t0 = Clock::now();
    EXPECT_FALSE(port.Read(600, out));
    EXPECT_LT(Clock::now() - t0, 50ms);
    EXPECT_TRUE(port.Lost());
    EXPECT_FALSE(port.Write("A\r"));
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Write("A\r"));
    EXPECT_FALSE(port.Read(1, out));
  }
  EXPECT_EQ(OpenDescriptorCount(), before);
}

}  // namespace
}  // namespace kv7
