// The service commands on the machine thread's side against kv7-sim: each
// window gets the simulated board's own values, every way of closing leaves
// the board out of its test mode and the status poll answered, the line
// calibration's kappas reach the board or go back, the magnet test's "U"
// commands, the tare table of 300 cups and the oscilloscope's frame file.

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "link/BoardSettings.h"
#include "link/StreamRecords.h"
#include "link/cMB90.h"
#include "service/ServiceRules.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "support/FileText.h"
#include "support/TempDir.h"
#include "support/Until.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;
using namespace service;
using supervisor::Supervisor;

class RecordingWindows : public supervisor::ServiceWindows {
 public:
  void Open(ServiceWindow w, const ServiceOpening& o) override {
    opened.push_back(w);
    opening = o;
  }
  void Show(const ServiceRecord& r) override { records.push_back(r); }
  void Close() override { ++closes; }
  template <class T>
  std::vector<T> All() const {
    std::vector<T> out;
    for (const auto& r : records)
      if (const T* t = std::get_if<T>(&r)) out.push_back(*t);
    return out;
  }
  std::vector<ServiceWindow> opened;
  ServiceOpening opening;
  std::vector<ServiceRecord> records;
  int closes = 0;
};

int Num(const std::string& s) { return NumberOf(s).value_or(-1); }

class ServiceWithSim : public ::testing::Test {
 protected:
  void Start(std::map<std::string, std::string> settings = {}) {
    settings.insert({{"numlinee", "6"}, {"numtazze", "120"}});
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    for (const auto& [key, value] : settings) store_->WriteString("kv2", key, value);
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
    sim_->Control("weights fixed:150");
    sup_ = std::make_unique<Supervisor>(console_, op_, *store_, nullptr, dir_.path());
    sup_->SetServiceWindows(&windows_);
    sup_->SetLinkTick(cMB90::kTick / 4);
    sup_->FormShow({});
    ASSERT_TRUE(TickUntil([&] { return St().controllerOn && St().machineStateNo >= 1; }));
  }

  template <typename Pred>
  bool TickUntil(Pred done, std::chrono::milliseconds limit = 8000ms) {
    return RepeatUntil([&] { sup_->Tick(); }, done, limit);
  }
  int SimTare(int line, int cup) { return Num(simtest::KeyValues(sim_->Control("tare " + std::to_string(line) + " " + std::to_string(cup)))["tare"]); }
  std::string Sim(const std::string& key) { return sim_->Status()[key]; }
  supervisor::SupervisorState& St() { return sup_->State(); }
  void Close(ServiceWindow w, bool accepted = false) {
    ServiceClosed c;
    c.window = w;
    c.accepted = accepted;
    sup_->HandleServiceRequest(c);
  }
  // Closed: mode 0, the board out of its stream, and the very next tick's poll answered.
  void ExpectBackToNormal(const char* name) {
    EXPECT_EQ(St().serviceMode, 0) << name;
    EXPECT_EQ(sim_->Settled("stream"), "none") << name;
    console_.panels.erase(3);
    sup_->Tick();
    EXPECT_TRUE(St().controllerOn) << name;
    EXPECT_EQ(console_.panels[3].substr(0, 4), "1 - ") << name;
  }

  TempDir dir_;
  ConsoleRecorder console_;
  ScriptedOperator op_;
  RecordingWindows windows_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<Supervisor> sup_;
};

TEST_F(ServiceWithSim, EachWindowShowsTheBoardsValuesAndItsClosingLeavesTheBoardPolled) {
  Start();
  using Check = std::function<bool()>;
  struct Case {
    const char* name;
    void (Supervisor::*menu)();
    ServiceWindow window;
    int mode;
    std::optional<ServiceRequest> start;
    const char* stream;
    Check shown;
  };
  auto cellsMatch = [&] {
    auto cells = windows_.All<CellValues>();
    if (cells.empty()) return false;
    const int cup = std::stoi(Sim("cup_steps")) % 120 + 1;
    for (int l = 1; l <= 6; ++l)
      if (cells.back().value[static_cast<std::size_t>(l - 1)] != ZeroFill(SimTare(l, cup), 4)) return false;
    return true;
  };
  auto memorisedMatch = [&] {
    for (const auto& r : windows_.All<MemorisedRow>())
      if (r.net == " 150" && r.tare && Num(*r.tare) == SimTare(r.line, Num(r.cup))) return true;
    return false;
  };
  auto encoderShown = [&] {
    auto rows = windows_.All<EncoderRow>();
    return !rows.empty() && Num(rows.back().turn) >= 0 && rows.back().errors[4] == "   0";
  };
  auto emptyCupsAboveLimit = [&] {
    auto rows = windows_.All<EmptyCupRow>();
    return !rows.empty() && Num(rows.back().value) > 10 && Num(rows.back().value) <= 20;
  };
  auto calibrationMeasured = [&] {
    auto rows = windows_.All<CalibrationRow>();
    return !windows_.All<CalibrationRunning>().empty() && windows_.All<CalibrationRunning>()[0].running &&
           !rows.empty() && Num(rows.back().passes) >= 1 && std::abs(Num(rows.back().weight) - 200) < 20;
  };
  auto traceShown = [&] {
    auto frames = windows_.All<TraceFrame>();
    return !frames.empty() && frames.back().samples.size() == 101 && Num(frames.back().head[2]) >= 100;
  };
  const Case cases[] = {
      {"cells", &Supervisor::ControlloCELLE1Click, ServiceWindow::Cells, 1, {}, "none", cellsMatch},
      {"memorised", &Supervisor::Memorizzato1Click, ServiceWindow::Memorised, 2, {}, "memorised", memorisedMatch},
      {"encoder", &Supervisor::Encoder1Click, ServiceWindow::Encoder, 4, {}, "encoder", encoderShown},
      {"empty cups", &Supervisor::ControlloTazze1Click, ServiceWindow::EmptyCups, 5, StartEmptyCups{"010"},
       "empty-cups", emptyCupsAboveLimit},
      {"calibration", &Supervisor::Calibrazione1Click, ServiceWindow::Calibration, 3, StartCalibration{200},
       "calibration", calibrationMeasured},
      {"oscilloscope", &Supervisor::Oscilloscopio1Click, ServiceWindow::Oscilloscope, 6,
       Capture{true, "1", "100", false}, "trace", traceShown},
  };
  for (const Case& c : cases) {
    windows_.records.clear();
    op_.answers = {true};
    (sup_.get()->*c.menu)();
    ASSERT_EQ(windows_.opened.back(), c.window) << c.name;
    EXPECT_EQ(St().serviceMode, c.mode) << c.name;
    if (c.start) sup_->HandleServiceRequest(*c.start);
    EXPECT_TRUE(TickUntil(c.shown)) << c.name;
    EXPECT_EQ(Sim("stream"), c.stream) << c.name;
    Close(c.window);
    ExpectBackToNormal(c.name);
  }
  EXPECT_TRUE(op_.messages.empty()) << op_.messages.front();

  // The console closing with a test running: the board leaves it too.
  op_.answers = {true};
  sup_->Oscilloscopio1Click();
  sup_->HandleServiceRequest(Capture{true, "2", "100", false});
  ASSERT_EQ(sim_->Settled("stream"), "trace");
  sup_.reset();
  EXPECT_EQ(sim_->Settled("stream"), "none");
  EXPECT_EQ(windows_.closes, 1);
}

TEST_F(ServiceWithSim, CalibrationSavedReachesTheBoardAndClosedOtherwiseGivesTheOldKappasBack) {
  Start({{"kpeso2", "0980"}});
  op_.answers = {true};
  sup_->Calibrazione1Click();
  EXPECT_EQ(windows_.opening.kappas[1], " 980");
  sup_->HandleServiceRequest(StartCalibration{200});
  ASSERT_TRUE(TickUntil([&] { return !windows_.All<CalibrationRow>().empty(); }));
  ServiceClosed saved;
  saved.window = ServiceWindow::Calibration;
  saved.accepted = true;
  saved.kappas = {"1130", " 700", "abc", "1000", "1000", "1010"};
  sup_->HandleServiceRequest(saved);
  EXPECT_EQ(sim_->Settled("stream"), "none");
  ASSERT_TRUE(TickUntil([&] { return Sim("kappas") == "1130,700,1000,1000,1000,1010"; })) << Sim("kappas");
  EXPECT_EQ(store::ConfigStore(store::ConfigStore::kDefaultRoot, dir_ / "config").ReadInteger("kv2", "kpeso1", 0),
            1130);

  // Run again and leave by the title bar: the board's own result is undone.
  op_.answers = {true};
  sup_->Calibrazione1Click();
  sup_->HandleServiceRequest(StartCalibration{500});
  ASSERT_TRUE(TickUntil([&] { return Sim("stream") == "calibration"; }));
  sim_->Control("power-cycle");  // the board forgets its kappas
  Close(ServiceWindow::Calibration);
  ASSERT_TRUE(TickUntil([&] { return Sim("kappas") == "1130,700,1000,1000,1000,1010"; })) << Sim("kappas");
  const std::string log = Slurp(dir_ / "kv2.log");
  EXPECT_NE(log.find("iniz calibrazione"), std::string::npos);
  EXPECT_NE(log.find("fine calibrazione"), std::string::npos);
}

TEST_F(ServiceWithSim, MagnetTestEndsTheOtherTypeFirstAndEndsEverythingOnClosing) {
  Start();
  op_.answers = {true};
  sup_->TestMagneti1Click();
  EXPECT_EQ(St().serviceMode, 0);
  for (const StartMagnetTest& r : {StartMagnetTest{true, 7}, StartMagnetTest{true, 8}, StartMagnetTest{false, 3}})
    sup_->HandleServiceRequest(r);
  EXPECT_EQ(Sim("magnet_test"), "static:03");
  Close(ServiceWindow::Magnets);
  EXPECT_EQ(Sim("magnet_commands"), "U000,U107,U108,U000,U203,U000");
  EXPECT_EQ(Sim("magnet_test"), "off");
}

TEST_F(ServiceWithSim, TareTableOf300CupsIsTheBoards) {
  Start({{"numtazze", "300"}});
  sup_->TabellaTara1Click();
  EXPECT_EQ(windows_.opening.cups, 300);
  const auto tables = windows_.All<TareTable>();
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_EQ(tables[0].rows.size(), 300u);
  for (int cup : {1, 150, 300})
    for (int l = 1; l <= 6; ++l)
      EXPECT_EQ(Num(tables[0].rows[static_cast<std::size_t>(cup - 1)][static_cast<std::size_t>(l - 1)]),
                SimTare(l, cup));
  sup_->HandleServiceRequest(RefreshTareTable{});
  EXPECT_EQ(windows_.All<TareTable>().size(), 2u);
  Close(ServiceWindow::TareTable);
  ExpectBackToNormal("tare table");
}

TEST_F(ServiceWithSim, FramesGoToTheLinesFileUntilItCannotBeWrittenAndTheTraceGoesOn) {
  Start();
  op_.answers = {true};
  sup_->Oscilloscopio1Click();
  sup_->HandleServiceRequest(Capture{true, "4", "100", true});
  ASSERT_TRUE(TickUntil([&] { return windows_.All<TraceFrame>().size() >= 3; }));
  // One block per frame shown, each headed by the frame's cup.
  const std::string file = Slurp(dir_ / "ondal4.osc");
  const auto frames = windows_.All<TraceFrame>();
  EXPECT_EQ(std::count(file.begin(), file.end(), 'T'), static_cast<long>(frames.size()));
  EXPECT_EQ(file.substr(0, file.find('\n') + 1), "T=" + std::to_string(Num(frames[0].head[0])) + "\r\n");

  // A folder where the file should be: saving stops, said once, frames go on.
  sup_->HandleServiceRequest(Capture{false, {}, {}, false});
  std::filesystem::create_directory(dir_ / "ondal5.osc");
  sup_->HandleServiceRequest(Capture{true, "5", "100", true});
  const std::size_t before = windows_.All<TraceFrame>().size();
  ASSERT_TRUE(TickUntil([&] { return windows_.All<TraceFrame>().size() >= before + 3; }));
  EXPECT_EQ(windows_.All<TraceSavingStopped>().size(), 1u);
  ASSERT_EQ(op_.messages.size(), 1u);
  EXPECT_EQ(op_.messages[0], "Impossibile scrivere il file ondal5.osc: le tracce non vengono più salvate.");
  EXPECT_EQ(Sim("stream"), "trace");
  Close(ServiceWindow::Oscilloscope);
  ExpectBackToNormal("oscilloscope");
}

}  // namespace
}  // namespace kv7::test
