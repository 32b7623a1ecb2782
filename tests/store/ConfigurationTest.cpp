#include "support/FileText.h"
#include "store/Configuration.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "support/TempDir.h"

using kv7::store::ApplyConfiguration;
using kv7::store::ConfigStore;
using kv7::store::Configuration;
using kv7::store::LoadConfiguration;
using kv7::store::SaveConfiguration;
using kv7::store::ValueType;

namespace {

std::string Repeat(const std::string& s, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += s;
  return out;
}

using kv7::test::Slurp;

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
};

using ConfigurationLoad = Fixture;
using ConfigurationSave = Fixture;

const std::string kEmptyStoreInstallString =
    "2"
    "08"
    "100"
    "00" +
    Repeat("2080", 6) + Repeat("1000", 6) +
    "0"
    "50" +
    Repeat("00", 30);

TEST_F(ConfigurationLoad, EmptyStoreGivesTheDefaultsAndTheirInstallString) {
  Configuration c;
  c.numlinee = 5;  // whatever was there before is replaced
  EXPECT_TRUE(LoadConfiguration(c, store, sink));
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(c.porta_com, 1);
  EXPECT_EQ(c.porta_aux, 2);
  EXPECT_EQ(c.porta_scarti, 3);
  EXPECT_EQ(c.numlinee, 2);
  EXPECT_EQ(c.numuscite, 8);
  EXPECT_EQ(c.numtazze, 100);
  EXPECT_EQ(c.tipoatt, 0);
  EXPECT_EQ(c.inenc[1], 20);
  EXPECT_EQ(c.fienc[6], 80);
  EXPECT_EQ(c.kpeso[4], 1000);
  EXPECT_EQ(c.uscita[30], 0);
  EXPECT_EQ(c.qualitaL[1], 0);
  EXPECT_EQ(c.rotdirection, 0);
  EXPECT_EQ(c.langinterface, "it");
  EXPECT_EQ(c.prn_font_set, "fsBold.");
  EXPECT_EQ(c.lev_dtara, 1);
  EXPECT_FALSE(c.taratazza);
  EXPECT_EQ(c.durata_magneti, 50);
  EXPECT_TRUE(c.prod_oraria);
  EXPECT_FALSE(c.v_tazzebad);
  EXPECT_FALSE(c.rx_osc);
  EXPECT_EQ(c.limpercq[2], 0);
  EXPECT_EQ(c.ritfc, 1);
  EXPECT_EQ(c.ncopie, 1);
  EXPECT_EQ(c.direxp, "c:\\camp");
  EXPECT_EQ(c.fine_part_auto, 1);
  EXPECT_EQ(c.InstallString, kEmptyStoreInstallString);
  EXPECT_EQ(c.InstallString.size(), 119u);
  // Reading never creates anything in the store.
  EXPECT_FALSE(store.SectionExists("kv2"));

  ASSERT_TRUE(ApplyConfiguration(c, store, /*oldBoard=*/false, sink));
  EXPECT_EQ(c.InstallString, kEmptyStoreInstallString + "L50");
  ASSERT_TRUE(ApplyConfiguration(c, store, /*oldBoard=*/true, sink));
  EXPECT_EQ(c.InstallString, kEmptyStoreInstallString);
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
  store.WriteString("kv2", "langinterface", "fr");  // only section "kv" is read
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
  EXPECT_EQ(c.langinterface, "de");
  EXPECT_EQ(c.autorefresh, 30);
  EXPECT_EQ(c.durata_magneti, 77);
  EXPECT_EQ(c.limpercq[5], 40);
  EXPECT_EQ(c.ncopie, 3);
  EXPECT_EQ(c.InstallString.substr(0, 3), "412");
}

TEST_F(ConfigurationLoad, TareStepOutsideOneToSixLoadsAsOne) {
  for (auto [stored, held] : std::vector<std::pair<std::string, int>>{
           {"0", 1}, {"9", 1}, {"7", 1}, {"3", 3}, {"6", 6}, {"1", 1}, {"-2", 1}}) {
    store.WriteString("kv2", "lev_dtara", stored);
    EXPECT_EQ(Loaded().lev_dtara, held) << "stored \"" << stored << "\"";
  }
}

TEST_F(ConfigurationLoad, OnlyTheStoredMisspellingMeansRight) {
  for (auto [stored, held] : std::vector<std::pair<std::string, int>>{
           {"rigth", 1}, {"right", 0}, {"left", 0}, {"Rigth", 0}, {"", 0}, {"1", 0}}) {
    store.WriteString("kv2", "rotdirection", stored);
    EXPECT_EQ(Loaded().rotdirection, held) << "stored \"" << stored << "\"";
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
  ASSERT_EQ(reports.size(), 6u);
  EXPECT_NE(reports[0].find("\"numlinee\""), std::string::npos);
  EXPECT_NE(reports[0].find("\"abc\""), std::string::npos);
  EXPECT_NE(reports[1].find("\"kpeso3\""), std::string::npos);
  EXPECT_NE(reports[1].find("\"12x\""), std::string::npos);
  EXPECT_NE(reports[2].find("\"uscita30\""), std::string::npos);
  EXPECT_NE(reports[3].find("\"qualitaL2\""), std::string::npos);
  EXPECT_NE(reports[4].find("\"delay tara\""), std::string::npos);
  EXPECT_NE(reports[5].find("\"ncopie\""), std::string::npos);
  EXPECT_NE(reports[5].find("\"zz\""), std::string::npos);
  for (const auto& r : reports) EXPECT_EQ(r.find('\n'), std::string::npos) << r;

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

TEST_F(ConfigurationLoad, TareAndMagnetSuffixOfTheNewerBoard) {
  Configuration c;
  store.WriteString("kv2", "durata magneti", "7");
  store.WriteString("kv2", "lev_dtara", "4");
  store.WriteString("kv2", "taratazza", "S");
  store.WriteString("kv2", "tarainc", "s");
  ApplyConfiguration(c, store, false, sink);
  EXPECT_EQ(c.InstallString.substr(119), "407");
  store.WriteString("kv2", "tarainc", "N");
  ApplyConfiguration(c, store, false, sink);
  EXPECT_EQ(c.InstallString.substr(119), "T07");
  store.WriteString("kv2", "taratazza", "N");
  store.WriteString("kv2", "tarainc", "S");
  store.WriteString("kv2", "durata magneti", "100");
  ApplyConfiguration(c, store, false, sink);
  EXPECT_EQ(c.InstallString.substr(119), "L100");
  EXPECT_TRUE(reports.empty());
}

TEST(InstallString, FieldsInOrderWithZeroPaddingAndWideNumbersInFull) {
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
  c.uscita[30] = 123;  // wider than its two places
  std::string expected =
      "6"
      "30"
      "005"
      "07"
      "0191"
      "0292"
      "0393"
      "0494"
      "0595"
      "0696"
      "1001"
      "2002"
      "3003"
      "4004"
      "5005"
      "6006"
      "1"
      "05";
  for (int n = 1; n <= 29; ++n) expected += (n < 10 ? "0" : "") + std::to_string(n);
  expected += "123";
  EXPECT_EQ(kv7::store::BuildInstallString(c), expected);
  c.tipoatt = 1;
  EXPECT_EQ(kv7::store::BuildInstallString(c)[56], '0');
}

TEST_F(ConfigurationSave, ClampsAndOmissionsOfTheSpecialKeys) {
  store.WriteString("kv2", "delay tara", "  7");
  store.WriteString("kv2", "durata magneti", " 40");
  Configuration c = Loaded();
  c.point_gest = 150;
  c.durata_magneti = 101;
  c.delay_tara = -1;
  c.distanza_fc = 1000;
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  EXPECT_EQ(Stored("point gest"), "94");
  EXPECT_EQ(Stored("durata magneti"), "255");
  EXPECT_EQ(Stored("delay tara"), "  7");
  EXPECT_EQ(Stored("distanza fc"), "999");

  c.point_gest = 5;
  c.durata_magneti = 100;
  c.delay_tara = 256;
  c.distanza_fc = 999;
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  EXPECT_EQ(Stored("point gest"), " 5");
  EXPECT_EQ(Stored("durata magneti"), "100");
  EXPECT_EQ(Stored("delay tara"), "255");
  EXPECT_EQ(Stored("distanza fc"), "999");

  c.point_gest = 99;
  c.durata_magneti = -1;
  c.delay_tara = 0;
  c.distanza_fc = 12;
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  EXPECT_EQ(Stored("point gest"), "99");
  EXPECT_EQ(Stored("durata magneti"), "100");
  EXPECT_EQ(Stored("delay tara"), "  0");
  EXPECT_EQ(Stored("distanza fc"), " 12");
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
  EXPECT_EQ(c.qualitaL[1], 2);
  c.lev_dtara = 5;
  c.tarainc = true;  // without taratazza it does not count
  c.rotdirection = 1;
  c.langinterface = "uk";
  c.limpercq[3] = 12;
  c.ncopie = 0;
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  EXPECT_EQ(Stored("qualitaL1"), "3");
  EXPECT_EQ(Stored("qualitaL2"), "1");
  EXPECT_EQ(Stored("rotdirection"), "rigth");
  EXPECT_EQ(Stored("taratazza"), "N");
  EXPECT_EQ(Stored("tarainc"), "N");
  EXPECT_EQ(Stored("lev_dtara"), "1");
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
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  EXPECT_EQ(Stored("taratazza") + Stored("tarainc") + Stored("lev_dtara"), "SN1");
  c.tarainc = true;
  c.rotdirection = 0;
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
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
  const std::string head =
      "2"
      "08"
      "0100"
      "1"
      "1"
      "SSSN"
      "00" +
      Repeat("2080", 6) + Repeat("1000", 6) + Repeat("1000", 8) +
      "000000"
      "50";
  std::string outlets;
  for (int n = 1; n <= 30; ++n) outlets += (n < 10 ? "0" : "") + std::to_string(n);
  EXPECT_EQ(kv7::store::BuildLegacyRecord(c), "1192" + head + outlets);
  ASSERT_EQ(kv7::store::BuildLegacyRecord(c).size(), 167u);

  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "w83.cfg"), ("1192" + head + outlets).substr(0, 151));
  EXPECT_EQ(Slurp(dir / "w83.cfg").substr(107), outlets.substr(0, 44));  // outlets 1 to 22

  c.porta_com = 12;
  EXPECT_EQ(kv7::store::BuildLegacyRecord(c), "192" + head + outlets);
  std::filesystem::remove(dir / "w83.cfg");
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  const std::string written = Slurp(dir / "w83.cfg");
  EXPECT_EQ(written, ("192" + head + outlets).substr(0, 151));
  EXPECT_EQ(written.substr(106), outlets.substr(0, 45));  // outlets 1 to 22 and half of 23
  EXPECT_EQ(Stored("porta_com"), "12");
}

TEST_F(ConfigurationSave, LegacyRecordOverwritesTheFileStartOnly) {
  std::ofstream(dir / "w83.cfg", std::ios::binary) << std::string(200, 'x');
  Configuration c;
  c.tipoatt = 1;
  c.totaligrammi = 0;
  c.txremoto = 1;
  c.numlinee = 3;
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  const std::string file = Slurp(dir / "w83.cfg");
  ASSERT_EQ(file.size(), 200u);
  EXPECT_EQ(file.substr(0, 17),
            "1192"
            "3"
            "08"
            "0100"
            "0"
            "0"
            "SSSS");
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
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  EXPECT_EQ(c.InstallString.substr(32, 4), "1234");
  EXPECT_EQ(c.InstallString.substr(119), "L09");

  ApplyConfiguration(c, store, true, sink);
  c.kpeso[1] = 999;
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
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
  ASSERT_TRUE(SaveConfiguration(c, store, dir.path(), sink));
  store.WriteString("kv", "langinterface", "pt");  // read from "kv", written to "kv2"
  Configuration back = Loaded();
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(kv7::store::ConfigurationValues(back), kv7::store::ConfigurationValues(c));
  EXPECT_EQ(back.InstallString, c.InstallString);
}

TEST(ConfigurationFields, EveryKeyOnceWithItsFieldName) {
  Configuration c;
  auto fields = kv7::store::ConfigurationFields(c);
  ASSERT_EQ(fields.size(), 97u);
  std::set<std::string> keys;
  for (const auto& f : fields) EXPECT_TRUE(keys.insert(f.key).second) << f.key;
  EXPECT_EQ(fields[15].key, "inenc1");
  EXPECT_EQ(fields[16].key, "fienc1");
  EXPECT_EQ(fields[16].field, "fienc[1]");
  auto find = [&](const std::string& key) {
    for (const auto& f : fields)
      if (f.key == key) return f;
    ADD_FAILURE() << key;
    return fields[0];
  };
  EXPECT_EQ(find("durata magneti").field, "durata_magneti");
  EXPECT_EQ(find("prod-oraria").field, "prod_oraria");
  EXPECT_STREQ(find("langinterface").section, "kv");
  EXPECT_STREQ(find("autorefresh").section, "custom");
  EXPECT_STREQ(find("rx_osc").section, "log");
  // The pointers reach the record's own fields.
  *std::get<std::int32_t*>(find("point gest").value) = 42;
  EXPECT_EQ(c.point_gest, 42);
  EXPECT_THROW(c.inenc[7], std::out_of_range);
}

}  // namespace
