// kv7ctl reject: one command to the reject-station board, with the decoded
// reply and the error codes it reported.

#include <charconv>
#include <cstdio>
#include <memory>
#include <string>

#include "Command.h"
#include "link/cSrd12.h"
#include "store/ConfigStore.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "[--device PATH | --port N] decimals|unload|zero|cycle-on|weights|times";

// Shortest text that reads back as the same number: 1234, 1.234, 30.
std::string Number(double value) {
  char buf[64];
  auto result = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, result.ptr);
}

bool ParsePort(const std::string& text, int& port) {
  auto result = std::from_chars(text.data(), text.data() + text.size(), port);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && port >= 0 && port <= 255;
}

int RunReject(const Args& args) {
  std::string device;
  int port = -1;
  std::string operation;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--device" && i + 1 < args.size()) {
      device = args[++i];
    } else if (args[i] == "--port" && i + 1 < args.size()) {
      if (!ParsePort(args[++i], port)) return UsageError("reject: bad port number '" + args[i] + "'");
    } else if (operation.empty() && !args[i].empty() && args[i][0] != '-') {
      operation = args[i];
    } else {
      return UsageError(std::string("reject: usage: kv7ctl reject ") + kUsage);
    }
  }
  if (operation.empty()) return UsageError(std::string("reject: usage: kv7ctl reject ") + kUsage);
  if (!device.empty() && port >= 0) return UsageError("reject: give --device or --port, not both");

  static const char* const kOperations[] = {"decimals", "unload", "zero", "cycle-on", "weights", "times"};
  bool known = false;
  for (const char* name : kOperations) known = known || operation == name;
  if (!known) return UsageError("reject: unknown operation '" + operation + "'");

  std::unique_ptr<kv7::cSrd12> station;
  if (!device.empty()) {
    station = std::make_unique<kv7::cSrd12>(device);
  } else {
    kv7::store::ConfigStore store;
    if (port < 0) port = store.ReadInteger("kv2", "porta_scarti", 3);
    station = std::make_unique<kv7::cSrd12>(static_cast<std::uint8_t>(port), store);
  }
  // A port that does not open answers nothing: the command then fails like
  // one to a silent board.
  if (!station->Open())
    std::fprintf(stderr, "kv7ctl: reject: cannot open the port '%s'\n", station->DevicePath().c_str());

  int result = -1;
  std::string values;
  if (operation == "decimals") {
    int decimals = station->ReadDecimals();
    if (decimals >= 0) {
      result = 1;
      values = "Decimals=" + std::to_string(decimals) + "\n";
    }
  } else if (operation == "unload") {
    result = station->Unload();
  } else if (operation == "zero") {
    result = station->ZeroCounters();
  } else if (operation == "cycle-on") {
    result = station->CycleOn();
  } else if (operation == "weights") {
    kv7::RejectWeights w;
    result = station->ReadWeights(w);
    if (result == 1) values = "First=" + Number(w.first) + "\nReject=" + Number(w.reject) + "\n";
  } else if (operation == "times") {
    kv7::RejectTimes t;
    result = station->ReadTimes(t);
    if (result == 1)
      values = "Time1=" + Number(t.time1) + "\nTime2=" + Number(t.time2) +
               "\nCycleOn=" + std::to_string(t.cycleOn) + "\nState=" + std::to_string(t.state) + "\n";
  }
  station->Close();

  std::string errors;
  for (int code : station->ErrorCodesSet()) {
    char two[3] = {static_cast<char>('0' + code / 10), static_cast<char>('0' + code % 10), 0};
    if (!errors.empty()) errors += ',';
    errors += two;
  }
  std::printf("Result=%d\n%sErrors=%s\n", result == 1 ? 1 : -1, values.c_str(), errors.c_str());
  return result == 1 ? 0 : 1;
}

Registration reg("reject", kUsage, &RunReject);

}  // namespace
}  // namespace kv7ctl
