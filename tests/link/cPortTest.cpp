#include "link/cPort.h"

#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <tuple>

#include "store/ConfigStore.h"
#include "support/Pty.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(cPortOpen, PortMapSerialDefaultAndRefusedPorts) {
  test::TempDir dir;
  store::ConfigStore map("kv7test", dir.path());
  test::Pty pty;
  ASSERT_TRUE(map.WriteString("ports", "COM5", pty.SlavePath()));
  ASSERT_TRUE(map.WriteString("ports", "COM6", "/dev/kv7-no-such-port"));
  EXPECT_EQ(cPort::ResolveDevice(5, map), pty.SlavePath());
  EXPECT_EQ(cPort::ResolveDevice(1, map), "/dev/ttyS0");
  EXPECT_EQ(cPort::ResolveDevice(12, map), "/dev/ttyS11");
  EXPECT_EQ(cPort::ResolveDevice(0, map), "");
  const auto ports = cPort::AvailablePorts(map);
  EXPECT_NE(std::find(ports.begin(), ports.end(), 5), ports.end());
  EXPECT_EQ(std::find(ports.begin(), ports.end(), 6), ports.end());
  // Numbers outside the range, a missing device and an odd speed are refused.
  EXPECT_FALSE(cPort(0, 19200, map).Open());
  EXPECT_FALSE(cPort("/dev/kv7-no-such-port", 19200).Open());
  EXPECT_FALSE(cPort(pty.SlavePath(), 12345).Open());
  cPort hundred(100, 19200, map);
  EXPECT_FALSE(hundred.Open());
  EXPECT_FALSE(hundred.IsOpen());
  cPort mapped(5, 19200, map);
  EXPECT_EQ(mapped.DevicePath(), pty.SlavePath());
  EXPECT_TRUE(mapped.Open());
}

TEST(cPortOpen, SecondOpenerFailsUntilTheFirstCloses) {
  test::Pty pty;
  cPort first(pty.SlavePath(), 19200), second(pty.SlavePath(), 19200);
  ASSERT_TRUE(first.Open());
  EXPECT_FALSE(second.Open());
  first.Close();
  EXPECT_TRUE(second.Open());
  second.Close();
  EXPECT_TRUE(second.Open()) << "the same object reopens";
}

class cPortIo : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(port.Open()); }
  test::Pty pty;
  cPort port{pty.SlavePath(), 19200};
};

TEST_F(cPortIo, EveryByteValuePassesUnchangedBothWaysAndWriteStopsAt600Bytes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  ASSERT_TRUE(port.Write(all));
  EXPECT_EQ(pty.Receive(256, 500ms), all);
  pty.Send(all);
  std::string in, part;
  for (auto deadline = Clock::now() + 1s; in.size() < all.size() && Clock::now() < deadline;)
    if (port.Read(300, part)) in += part;
  EXPECT_EQ(in, all);
  const std::string long700 = all + all + all.substr(0, 188);
  EXPECT_TRUE(port.Write(long700));
  EXPECT_EQ(pty.Receive(700, 100ms), long700.substr(0, 600));
}

TEST_F(cPortIo, ReadTimesOutOnASilentLine) {
  // The wait grows with the count asked for.
  for (auto [count, atLeast, below] : {std::tuple{1, 1900us, 30000us}, {50, 50000us, 100000us}}) {
    std::string out = "stale";
    const auto t0 = Clock::now();
    EXPECT_FALSE(port.Read(count, out));
    EXPECT_TRUE(out.empty());
    EXPECT_GE(Clock::now() - t0, atLeast);
    EXPECT_LT(Clock::now() - t0, below);
  }
}

TEST_F(cPortIo, ReadStopsAtTheCountOrAtAGapAndKeepsTheRest) {
  const std::string forty = "0123456789012345678901234567890123456789";
  pty.Send(forty);
  std::this_thread::sleep_for(5ms);
  std::string out;
  EXPECT_TRUE(port.Read(25, out));
  EXPECT_EQ(out, forty.substr(0, 25));
  EXPECT_TRUE(port.Read(25, out));
  EXPECT_EQ(out, forty.substr(25));

  std::thread peer([&] {
    pty.Send("abc");
    std::this_thread::sleep_for(15ms);
    pty.Send("def");
  });
  const auto t0 = Clock::now();
  EXPECT_TRUE(port.Read(100, out));
  EXPECT_LT(Clock::now() - t0, 50ms);
  EXPECT_EQ(out, "abc");
  peer.join();
  std::this_thread::sleep_for(2ms);
  EXPECT_TRUE(port.Read(100, out));
  EXPECT_EQ(out, "def");
}

int OpenDescriptorCount() {
  int n = 0;
  DIR* d = ::opendir("/proc/self/fd");
  while (::readdir(d) != nullptr) ++n;
  ::closedir(d);
  return n;
}

TEST(cPortLoss, VanishedDeviceFailsFastAndCloseReleasesTheDescriptor) {
  const int before = OpenDescriptorCount();
  {
    auto pty = std::make_unique<test::Pty>();
    cPort port(pty->SlavePath(), 19200);
    ASSERT_TRUE(port.Open());
    pty.reset();  // the adapter is pulled out
    std::string out;
    const auto t0 = Clock::now();
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
