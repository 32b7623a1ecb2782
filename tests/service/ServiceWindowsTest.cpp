// The service windows offscreen, by keys and buttons: every way of closing
// posts one closing (accepted only by "Salva"/"Aggiorna"), the calibration's
// sample weight and corrections, the empty-cup limit, the tare grid's rows
// and the oscilloscope's command, coverage and scale.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "link/BoardSettings.h"
#include "service/DisplayTests.h"
#include "service/MachineTests.h"
#include "service/TCalibrazione_Linee.h"
#include "service/TTestOscilloscopio.h"
#include "service/Ttabtara.h"
#include "ui/QtTestApp.h"

namespace kv7::service {
namespace {

class Windows : public ::testing::Test {
 public:
  void SetUp() override { test::TestApp(); }
  template <class W>
  std::unique_ptr<W> Make(const ServiceOpening& opening = {}) {
    auto w = std::make_unique<W>();
    w->SetPoster([this](const ServiceRequest& r) { posted.push_back(r); });
    w->Open(opening);
    return w;
  }
  template <class T>
  std::vector<T> Posted() const {
    std::vector<T> out;
    for (const auto& r : posted)
      if (const T* t = std::get_if<T>(&r)) out.push_back(*t);
    return out;
  }
  static QString Text(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name)->text(); }
  static void Click(QWidget* w, const char* name) { w->findChild<QPushButton*>(name)->click(); }
  std::vector<ServiceRequest> posted;
};

TEST_F(Windows, EveryWayOfClosingPostsOneClosing) {
  enum class Way { Escape, TitleBar, Accept };
  const std::function<std::unique_ptr<ServiceDialog>(Windows&)> makers[] = {
      [](Windows& t) { return t.Make<TTestCelle>(); },      [](Windows& t) { return t.Make<TTestMem>(); },
      [](Windows& t) { return t.Make<TTestEncoder>(); },    [](Windows& t) { return t.Make<TTestTazzeVuote>(); },
      [](Windows& t) { return t.Make<TTestMagneti>(); },    [](Windows& t) { return t.Make<Ttabtara>(); },
      [](Windows& t) { return t.Make<TCalibrazione_Linee>(); }, [](Windows& t) { return t.Make<TTestOscilloscopio>(); },
  };
  for (const auto& make : makers)
    for (Way way : {Way::Escape, Way::TitleBar, Way::Accept}) {
      posted.clear();
      auto w = make(*this);
      ASSERT_TRUE(w->isVisible());
      if (way == Way::Escape) QTest::keyClick(w.get(), Qt::Key_Escape);
      if (way == Way::TitleBar) w->close();
      if (way == Way::Accept) w->accept();
      w->close();  // a second closing of a closed window posts nothing
      const auto closed = Posted<ServiceClosed>();
      ASSERT_EQ(closed.size(), 1u) << w->objectName().toStdString();
      EXPECT_EQ(closed[0].window, w->Kind());
      EXPECT_EQ(closed[0].accepted, way == Way::Accept);
    }
}

TEST_F(Windows, CalibrationStartsOnlyWithAnAcceptedWeightAndCorrectsAllKappas) {
  ServiceOpening o;
  o.multiplier = 3;
  o.kappas = {"1080", " 720", "1000", "1000", "1000", "1000"};
  auto w = Make<TCalibrazione_Linee>(o);
  auto* peso = w->findChild<QLineEdit*>("PesoCamp");
  for (const char* weight : {"120", "1200", "abc"}) {
    peso->setText(weight);
    Click(w.get(), "Button1");
  }
  EXPECT_TRUE(Posted<StartCalibration>().empty());
  peso->setText("200");
  Click(w.get(), "Button1");
  ASSERT_EQ(Posted<StartCalibration>().size(), 1u);
  EXPECT_EQ(Posted<StartCalibration>()[0].sampleWeight, 198);
  EXPECT_EQ(peso->text(), " 198");
  EXPECT_FALSE(w->findChild<QPushButton*>("Button3")->isEnabled());
  w->Show(CalibrationRow{2, "   3", " 990", "0600"});
  EXPECT_EQ(Text(w.get(), "Kappa2"), " 990");
  Click(w.get(), "Button2");  // "Fine"
  EXPECT_EQ(Posted<EndCalibration>().size(), 1u);

  for (int i = 0; i < 2; ++i) Click(w.get(), "BitBtn1");  // "+5gr"
  EXPECT_EQ(Text(w.get(), "Kappa1"), "1130");
  w->Show(CalibrationRow{2, "", " 720", ""});
  for (int i = 0; i < 2; ++i) Click(w.get(), "BitBtn3");  // "-1gr"
  EXPECT_EQ(Text(w.get(), "Kappa2"), " 700");
  Click(w.get(), "Button3");  // "Salva"
  ASSERT_EQ(Posted<ServiceClosed>().size(), 1u);
  EXPECT_TRUE(Posted<ServiceClosed>()[0].accepted);
  EXPECT_EQ(Posted<ServiceClosed>()[0].kappas[0], "1090");
}

TEST_F(Windows, EmptyCupLimitAndTareRows) {
  ServiceOpening o;
  o.multiplier = 2;
  o.limit = "020";
  o.cups = 300;
  auto empty = Make<TTestTazzeVuote>(o);
  empty->UpDown1()->setValue(11);
  empty->UpDown1()->setValue(10);
  EXPECT_EQ(Text(empty.get(), "LimiteGr"), "020");
  Click(empty.get(), "Button1");
  ASSERT_EQ(Posted<StartEmptyCups>().size(), 1u);
  EXPECT_EQ(Posted<StartEmptyCups>()[0].limit, "020");

  auto tare = Make<Ttabtara>(o);
  EXPECT_EQ(tare->Grid()->rowCount(), 300);
  EXPECT_EQ(tare->Grid()->item(299, 0)->text(), "300");
  EXPECT_EQ(tare->Grid()->item(299, 6)->text(), "----");
  TareTable table;
  table.rows.assign(300, {"0031", "0032", "0033", "0034", "0035", "0036"});
  tare->Show(table);
  EXPECT_EQ(tare->Grid()->item(299, 6)->text(), "0036");
}

TEST_F(Windows, OscilloscopeCommandCoverageAndScale) {
  ServiceOpening o;
  o.cups = 120;
  o.windowStart = {20, 20, 20, 30, 20, 20};
  o.windowEnd = {80, 80, 80, 60, 80, 80};
  auto w = Make<TTestOscilloscopio>(o);
  w->findChild<QSpinBox*>("UpDown1")->setValue(4);
  w->findChild<QSpinBox*>("UpDown2")->setValue(1000);
  EXPECT_EQ(Text(w.get(), "Limite"), "1000");
  Click(w.get(), "Capture");
  ASSERT_EQ(Posted<Capture>().size(), 1u);
  EXPECT_EQ(Posted<Capture>()[0].line + Posted<Capture>()[0].limit, "41000");
  w->Show(CaptureState{true});
  for (int cup = 1; cup <= 30; ++cup) {
    TraceFrame f;
    f.head = {ZeroFill(cup, 4), "0100", "0700"};
    f.samples.assign(101, "0500");
    w->Show(f);
  }
  EXPECT_EQ(w->findChild<QLabel*>("copertura")->text(), "  30 /  120");
  EXPECT_EQ(w->Weighed()->count(), 100);
  EXPECT_EQ(w->Weighed()->at(29).y(), 500);  // inside 30..60
  EXPECT_EQ(w->Weighed()->at(28).y(), 0);
  EXPECT_EQ(Text(w.get(), "Lordo"), "500");
  Click(w.get(), "Button1");  // "Zoom"
  EXPECT_EQ(w->VerticalRange(), std::make_pair(100.0, 700.0));
  Click(w.get(), "Button2");  // "Globale"
  EXPECT_EQ(w->VerticalRange(), std::make_pair(0.0, 1024.0));
  w->Show(TraceSavingStopped{});
  EXPECT_FALSE(w->findChild<QCheckBox*>("saveflag")->isChecked());
  Click(w.get(), "Capture");
  EXPECT_FALSE(Posted<Capture>().back().start);
  w->findChild<QSpinBox*>("UpDown3")->setValue(7);
  Click(w.get(), "Update");
  ASSERT_EQ(Posted<ServiceClosed>().size(), 1u);
  EXPECT_EQ(Posted<ServiceClosed>()[0].phase, 7);
  EXPECT_EQ(Posted<ServiceClosed>()[0].windowStart[3], "30");
}

}  // namespace
}  // namespace kv7::service
