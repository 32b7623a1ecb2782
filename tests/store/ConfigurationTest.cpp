#include "store/Configuration.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "EmptyStore.h"
#include "support/FileText.h"
#include "support/TempDir.h"

using kv7::store::ApplyConfiguration;
using kv7::store::ConfigStore;
using kv7::store::Configuration;
using kv7::store::LoadConfiguration;
using kv7::store::SaveConfiguration;
using kv7::store::ValueType;
using kv7::test::Slurp;

namespace {

std::string Repeat(const std::string& s, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += s;
  return out;
}

// The thirty outlets numbered 1..30, two digits each.
std::string Outlets() {
  std::string s;
  for (int n = 1; n <= 30; ++n) s += (n < 10 ? "0" : "") + std::to_string(n);
  return s;
}

// A store and a working directory of their own, with the reports collected.
struct Fixture : ::testing::Test {
  kv7::test::TempDir dir;
  ConfigStore store{ConfigStore::kDefaultRoot, dir.path()};
  std::vector<std::string> reports;
  kv7::store::ReportSink sink = [this](const std::string& m) { reports.push_back(m); };

  std::string Stored(const std::string& key, const std::string& section = "kv2") {
    auto v = store.Find(section, key);
    if (!v) return "<missing>";
    return v->type == ValueType::Text ? v->text : "dword " + std::to_string(v->dword);
  }
  Configuration Loaded() {
    Configuration c;
    LoadConfiguration(c, store, sink);
    return c;
  }
  void Save(Configuration& c) { ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink)); }
};

using ConfigurationLoad = Fixture;
using ConfigurationSave = Fixture;

TEST_F(ConfigurationLoad, EmptyStoreGivesTheDefaultsAndTheirInstallString) {
  Configuration c;
  c.numlinee = 5;  // whatever was there before is replaced
  EXPECT_TRUE(LoadConfiguration(c, store, sink));
  EXPECT_TRUE(reports.empty());
  std::string values;
  for (const auto& [key, value] : kv7::store::ConfigurationValues(c)) values += key + "=" + value + "\n";
  EXPECT_EQ(values, kv7::test::EmptyStoreValues());
  EXPECT_EQ(c.numlinee, 2);
  EXPECT_EQ(c.direxp, "c:\\camp");
  const std::string install = kv7::test::EmptyStoreInstallString();
  EXPECT_EQ(c.InstallString, install);
  EXPECT_EQ(c.InstallString.size(), 119u);
  EXPECT_FALSE(store.SectionExists("kv2"));  // reading never creates anything

  ASSERT_TRUE(ApplyConfiguration(c, store, /*oldBoard=*/false, sink));
  EXPECT_EQ(c.InstallString, install + "L50");
  ASSERT_TRUE(ApplyConfiguration(c, store, /*oldBoard=*/true, sink));
  EXPECT_EQ(c.InstallString, install);
}

TEST_F(ConfigurationLoad, ConversionsOfTheTable) {
  store.WriteString("kv2", "numlinee", "  4");  // leading blanks are allowed
  store.WriteInteger("kv2", "numuscite", 12);   // a number stored as an integer value is a number
  store.WriteString("kv2", "qualitaL1", "3");
  store.WriteString("kv2", "qualitaL6", "5");
  store.WriteString("kv2", "taratazza", "si");
  store.WriteString("kv2", "tarainc", "no");
  store.WriteString("kv2", "prod-oraria", "SI");
  store.WriteString("kv2", "v_tazzebad", "si");
  store.WriteString("log", "rx_osc", "s");
  store.WriteString("kv", "langinterface", "de");
  store.WriteString("kv2", "langinterface", "fr");  // where it is saved wins
  store.WriteString("custom", "autorefresh", "30");
  store.WriteString("kv2", "durata magneti", " 77");
  store.WriteInteger("kv2", "limpercq5", 40);
  store.WriteString("kv2", "ncopie", "3");  // an integer key holding a numeric text
  Configuration c = Loaded();
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(c.numlinee, 4);
  EXPECT_EQ(c.numuscite, 12);
  EXPECT_EQ(c.qualitaL[1], 2);
  EXPECT_EQ(c.qualitaL[6], 4);
  EXPECT_TRUE(c.taratazza);
  EXPECT_FALSE(c.tarainc);
  EXPECT_FALSE(c.prod_oraria);
  EXPECT_TRUE(c.v_tazzebad);
  EXPECT_TRUE(c.rx_osc);
  EXPECT_EQ(c.langinterface, "fr");
  EXPECT_EQ(c.autorefresh, 30);
  EXPECT_EQ(c.durata_magneti, 77);
  EXPECT_EQ(c.limpercq[5], 40);
  EXPECT_EQ(c.ncopie, 3);
  EXPECT_EQ(c.InstallString.substr(0, 3), "412");
}

// lev_dtara outside 1..6 and macchina outside 1..99 load as 1; only the
// stored misspelling "rigth" means right.
TEST_F(ConfigurationLoad, TareStepRotationAndMachine) {
  struct Case {
    const char* key;
    std::string stored;
    int held;
  };
  const std::vector<Case> cases = {
      {"lev_dtara", "0", 1},       {"lev_dtara", "9", 1},        {"lev_dtara", "7", 1},
      {"lev_dtara", "-2", 1},      {"lev_dtara", "1", 1},        {"lev_dtara", "3", 3},
      {"lev_dtara", "6", 6},       {"rotdirection", "rigth", 1}, {"rotdirection", "right", 0},
      {"rotdirection", "left", 0}, {"rotdirection", "Rigth", 0}, {"rotdirection", "", 0},
      {"rotdirection", "1", 0},    {"macchina", "2", 2},         {"macchina", " 99", 99},
      {"macchina", "100", 1},      {"macchina", "0", 1},         {"macchina", "-3", 1}};
  const std::map<std::string, std::int32_t Configuration::*> fields = {
      {"lev_dtara", &Configuration::lev_dtara},
      {"rotdirection", &Configuration::rotdirection},
      {"macchina", &Configuration::macchina}};
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.key) + " stored \"" + k.stored + "\"");
    store.WriteString("kv2", k.key, k.stored);
    Configuration c = Loaded();
    EXPECT_EQ(c.*fields.at(k.key), k.held);
  }
}

TEST_F(ConfigurationLoad, NonNumericIntegerIsReportedOnceAndTakesItsDefaultTheRestStillLoads) {
  store.WriteString("kv2", "porta_com", "7");
  store.WriteString("kv2", "numlinee", "abc");
  store.WriteString("kv2", "numtazze", "120");
  store.WriteString("kv2", "kpeso3", "12x");
  store.WriteString("kv2", "kpeso4", "1500");
  store.WriteString("kv2", "qualitaL2", "");
  store.WriteString("kv2", "delay tara", "n/a");
  store.WriteString("kv2", "ncopie", "zz");
  store.WriteString("kv2", "direxp", "/srv/export");
  store.WriteInteger("kv2", "fine_part_auto", 0);
  store.WriteString("kv2", "uscita30", "99999999999");  // beyond 32 bits
  Configuration c;
  EXPECT_FALSE(LoadConfiguration(c, store, sink));
  // One single-line report per bad key, in read order, naming the key and the text.
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"numlinee", "abc"}, {"kpeso3", "12x"},     {"uscita30", "99999999999"},
      {"qualitaL2", ""},   {"delay tara", "n/a"}, {"ncopie", "zz"}};
  ASSERT_EQ(reports.size(), bad.size());
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_NE(reports[i].find("\"" + bad[i].first + "\""), std::string::npos) << reports[i];
    EXPECT_NE(reports[i].find("\"" + bad[i].second + "\""), std::string::npos) << reports[i];
    EXPECT_EQ(reports[i].find('\n'), std::string::npos) << reports[i];
  }
  EXPECT_EQ(c.numlinee, 2);
  EXPECT_EQ(c.kpeso[3], 1000);
  EXPECT_EQ(c.uscita[30], 0);
  EXPECT_EQ(c.qualitaL[2], 0);
  EXPECT_EQ(c.delay_tara, 0);
  EXPECT_EQ(c.ncopie, 1);
  // Keys before and after the bad ones are read.
  EXPECT_EQ(c.porta_com, 7);
  EXPECT_EQ(c.numtazze, 120);
  EXPECT_EQ(c.kpeso[4], 1500);
  EXPECT_EQ(c.direxp, "/srv/export");
  EXPECT_EQ(c.fine_part_auto, 0);
  EXPECT_EQ(c.InstallString.substr(0, 6), "208120");
}

// The newer board's suffix: "4" (tare by increments at step 4), "T" (tare) or
// "L" (neither), then the magnet time in its two places.
TEST_F(ConfigurationLoad, TareAndMagnetSuffixOfTheNewerBoard) {
  store.WriteString("kv2", "lev_dtara", "4");
  for (auto [taratazza, tarainc, magnets, suffix] : std::vector<std::array<std::string, 4>>{
           {"S", "s", "7", "407"}, {"S", "N", "7", "T07"}, {"N", "S", "100", "L99"}}) {
    store.WriteString("kv2", "taratazza", taratazza);
    store.WriteString("kv2", "tarainc", tarainc);
    store.WriteString("kv2", "durata magneti", magnets);
    Configuration c;
    ApplyConfiguration(c, store, false, sink);
    EXPECT_EQ(c.InstallString.substr(119), suffix);
  }
  EXPECT_TRUE(reports.empty());
}

TEST(InstallString, FieldsInOrderWithZeroPaddingAndEveryValueInItsPlaces) {
  Configuration c;
  c.numlinee = 6;
  c.numuscite = 30;
  c.numtazze = 5;
  c.zeroencoder = 7;
  for (int n = 1; n <= 6; ++n) {
    c.inenc[n] = n;
    c.fienc[n] = 90 + n;
    c.kpeso[n] = 1000 * n + n;
  }
  c.tipoatt = 2;
  c.apermagn = 5;
  for (int n = 1; n <= 30; ++n) c.uscita[n] = n;
  // lines, outlets, cups, zero | encoder windows | weight factors | drive, magnets | outlets
  const std::string expected = std::string("63000507") + "019102920393049405950696" +
                               "100120023003400450056006" + "105" + Outlets();
  EXPECT_EQ(kv7::store::BuildInstallString(c), expected);
  c.tipoatt = 1;
  EXPECT_EQ(kv7::store::BuildInstallString(c)[56], '0');

  // Out of their places, values never shift the fields after them.
  c.tipoatt = 2;
  c.numtazze = 1200;    // cups: 3 places
  c.kpeso[2] = -5;
  c.uscita[30] = 123;
  const std::string kept = kv7::store::BuildInstallString(c);
  EXPECT_EQ(kept.size(), 119u);
  EXPECT_EQ(kept.substr(3, 3), "999");
  EXPECT_EQ(kept.substr(36, 4), "0000");
  EXPECT_EQ(kept.substr(56), expected.substr(56, 61) + "99");
}

TEST_F(ConfigurationSave, ClampsAndOmissionsOfTheSpecialKeys) {
  store.WriteString("kv2", "delay tara", "  7");
  store.WriteString("kv2", "durata magneti", " 40");
  Configuration c = Loaded();
  struct Case {
    int point_gest, durata_magneti, delay_tara, distanza_fc;
    std::string stored;  // point gest | durata magneti | delay tara | distanza fc
  };
  for (const Case& k : std::vector<Case>{{150, 101, -1, 1000, "94|255|  7|999"},  // out of range
                                         {5, 100, 256, 999, " 5|100|255|999"},
                                         {99, -1, 0, 12, "99|100|  0| 12"}}) {
    c.point_gest = k.point_gest;
    c.durata_magneti = k.durata_magneti;
    c.delay_tara = k.delay_tara;
    c.distanza_fc = k.distanza_fc;
    Save(c);
    EXPECT_EQ(Stored("point gest") + "|" + Stored("durata magneti") + "|" + Stored("delay tara") + "|" +
                  Stored("distanza fc"),
              k.stored);
  }
  // What was saved reads back as the numbers.
  Configuration back = Loaded();
  EXPECT_EQ(back.delay_tara, 0);
  EXPECT_EQ(back.distanza_fc, 12);
  EXPECT_EQ(back.durata_magneti, 100);
  EXPECT_TRUE(reports.empty());
}

TEST_F(ConfigurationSave, TareKeysQualityRotationAndTypes) {
  store.WriteString("kv2", "qualitaL1", "3");
  Configuration c = Loaded();
  c.lev_dtara = 5;
  c.tarainc = true;  // without taratazza it does not count
  c.rotdirection = 1;
  c.langinterface = "uk";
  c.limpercq[3] = 12;
  c.ncopie = 0;
  Save(c);
  EXPECT_EQ(Stored("qualitaL1"), "3");
  EXPECT_EQ(Stored("qualitaL2"), "1");
  EXPECT_EQ(Stored("rotdirection"), "rigth");
  EXPECT_EQ(Stored("taratazza") + Stored("tarainc") + Stored("lev_dtara"), "NN1");
  EXPECT_EQ(Stored("langinterface"), "uk");
  EXPECT_EQ(Stored("langinterface", "kv"), "<missing>");
  EXPECT_EQ(Stored("limpercq3"), "dword 12");
  EXPECT_EQ(Stored("ncopie"), "dword 0");
  EXPECT_EQ(Stored("ritfc"), "dword 1");
  EXPECT_EQ(Stored("fine_part_auto"), "dword 1");
  EXPECT_EQ(Stored("numtazze"), "100");
  EXPECT_EQ(Stored("direxp"), "c:\\camp");

  c.taratazza = true;
  c.tarainc = false;
  Save(c);
  EXPECT_EQ(Stored("taratazza") + Stored("tarainc") + Stored("lev_dtara"), "SN1");
  c.tarainc = true;
  c.rotdirection = 0;
  Save(c);
  EXPECT_EQ(Stored("taratazza") + Stored("tarainc") + Stored("lev_dtara"), "SS5");
  EXPECT_EQ(Stored("rotdirection"), "left");

  // Keys the save never writes stay as they are.
  for (const char* key : {"autorefresh", "prn_font_name", "xmoltiply", "copyrigth", "password_inst",
                          "prod-oraria", "v_tazzebad", "rx_osc"})
    EXPECT_EQ(Stored(key), "<missing>") << key;
  EXPECT_FALSE(store.SectionExists("custom"));
  EXPECT_FALSE(store.SectionExists("log"));
}

TEST_F(ConfigurationSave, LegacyRecordIsTheFirst151CharactersAndATwoDigitPortDropsItsDigit) {
  Configuration c;
  for (int n = 1; n <= 30; ++n) c.uscita[n] = n;
  // lines 2, outlets 08, cups 0100, drive "1", grams "1", four S/N flags, zero 00; encoder windows, six
  // weight factors and eight fixed 1000, six zeros, magnet opening 50.
  const std::string head = "208010011SSSN00" + Repeat("2080", 6) + Repeat("1000", 14) + "00000050";
  EXPECT_EQ(kv7::store::BuildLegacyRecord(c), "1192" + head + Outlets());
  ASSERT_EQ(kv7::store::BuildLegacyRecord(c).size(), 167u);
  Save(c);
  EXPECT_EQ(Slurp(dir / "w83.cfg"), ("1192" + head + Outlets()).substr(0, 151));
  EXPECT_EQ(Slurp(dir / "w83.cfg").substr(107), Outlets().substr(0, 44));  // outlets 1 to 22

  c.porta_com = 12;
  EXPECT_EQ(kv7::store::BuildLegacyRecord(c), "192" + head + Outlets());
  std::filesystem::remove(dir / "w83.cfg");
  Save(c);
  const std::string written = Slurp(dir / "w83.cfg");
  EXPECT_EQ(written, ("192" + head + Outlets()).substr(0, 151));
  EXPECT_EQ(written.substr(106), Outlets().substr(0, 45));  // outlets 1 to 22 and half of 23
  EXPECT_EQ(Stored("porta_com"), "12");
}

TEST_F(ConfigurationSave, LegacyRecordOverwritesTheFileStartOnly) {
  std::ofstream(dir / "w83.cfg", std::ios::binary) << std::string(200, 'x');
  Configuration c;
  c.tipoatt = 1;
  c.totaligrammi = 0;
  c.txremoto = 1;
  c.numlinee = 3;
  Save(c);
  const std::string file = Slurp(dir / "w83.cfg");
  ASSERT_EQ(file.size(), 200u);
  EXPECT_EQ(file.substr(0, 17), "1192" + std::string("3080100") + "00" + "SSSS");
  EXPECT_EQ(file.substr(151), std::string(49, 'x'));
}

TEST_F(ConfigurationSave, UnwritableLegacyRecordIsReportedAndTheStoreIsLeftAlone) {
  store.WriteString("kv2", "numlinee", "3");
  Configuration c = Loaded();
  c.numlinee = 5;
  EXPECT_FALSE(SaveConfiguration(c, store, dir / "no-such-dir", sink));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("w83.cfg"), std::string::npos);
  EXPECT_EQ(Stored("numlinee"), "3");
  EXPECT_EQ(c.numlinee, 5);  // the record keeps what the caller set
}

TEST_F(ConfigurationSave, RebuiltInstallStringKeepsTheSuffixApplyChose) {
  Configuration c;
  ApplyConfiguration(c, store, false, sink);
  c.kpeso[1] = 1234;
  c.durata_magneti = 9;
  Save(c);
  EXPECT_EQ(c.InstallString.substr(32, 4), "1234");
  EXPECT_EQ(c.InstallString.substr(119), "L09");

  ApplyConfiguration(c, store, true, sink);
  c.kpeso[1] = 999;
  Save(c);
  EXPECT_EQ(c.InstallString.size(), 119u);
  EXPECT_EQ(c.InstallString.substr(32, 4), "0999");
}

TEST_F(ConfigurationSave, SaveThenLoadGivesTheSameRecord) {
  Configuration c;
  c.porta_com = 4;
  c.numlinee = 6;
  c.zeroencoder = 33;
  c.inenc[2] = 11;
  c.fienc[5] = 77;
  c.kpeso[6] = 2222;
  c.uscita[17] = 45;
  c.qualitaL[4] = 3;
  c.rotdirection = 1;
  c.langinterface = "pt";
  c.taratazza = c.tarainc = true;
  c.lev_dtara = 2;
  c.durata_magneti = 60;
  c.delay_tara = 12;
  c.distanza_fc = 500;
  c.point_gest = 40;
  c.limpercq[4] = 8;
  c.ritfc = 3;
  c.direxp = "/data/export";
  c.fine_part_auto = 0;
  c.copia_pdf = 0;
  Save(c);
  EXPECT_EQ(Stored("copia_pdf"), "0");
  store.WriteString("kv", "langinterface", "de");  // an older store's key does not hide the saved one
  Configuration back = Loaded();
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(kv7::store::ConfigurationValues(back), kv7::store::ConfigurationValues(c));
  EXPECT_EQ(back.InstallString, c.InstallString);
}

// Sections, conversions and the pointers into the record are exercised by
// the loads and saves above; here the table itself has each key once.
TEST(ConfigurationFields, EveryKeyOnce) {
  Configuration c;
  auto fields = kv7::store::ConfigurationFields(c);
  ASSERT_EQ(fields.size(), 100u);
  std::set<std::string> keys;
  for (const auto& f : fields) EXPECT_TRUE(keys.insert(f.key).second) << f.key;
  EXPECT_THROW(c.inenc[7], std::out_of_range);
}

}  // namespace
