// Runs the built kv7ctl the way a technician does, against a store and a
// working directory of its own.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/FileText.h"
#include "support/TempDir.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

using kv7::test::Slurp;

class Kv7ctlConfig : public ::testing::Test {
 protected:
  kv7::test::TempDir dir;

  Outcome Run(const std::vector<std::string>& args) {
    std::string cmd = "cd " + Quoted(dir.path().string()) +
                      " && KV7_CONFIG_DIR=" + Quoted((dir / "store").string()) + " " + Quoted(KV7CTL_PATH) +
                      " config";
    for (const auto& a : args) cmd += " " + Quoted(a);
    cmd += " 2>" + Quoted((dir / "stderr").string());
    Outcome o;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return o;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) o.out.append(buf, n);
    int st = ::pclose(p);
    o.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    o.err = Slurp(dir / "stderr");
    return o;
  }
};

std::string EmptyStoreShow() {
  std::string s =
      "porta_com=1\nporta_aux=2\nporta_scarti=3\nscarti_enab=1\nbarcode_enab=1\nnumlinee=2\n"
      "numuscite=8\nnumtazze=100\ntipoatt=0\ntotaligrammi=1\nstampagrammi=1\narchiviazione=1\n"
      "stampa=1\ntxremoto=0\nzeroencoder=0\n";
  for (int n = 1; n <= 6; ++n) s += "inenc" + std::to_string(n) + "=20\nfienc" + std::to_string(n) + "=80\n";
  for (int n = 1; n <= 6; ++n) s += "kpeso" + std::to_string(n) + "=1000\n";
  s += "apermagn=50\n";
  for (int n = 1; n <= 30; ++n) s += "uscita" + std::to_string(n) + "=0\n";
  for (int n = 1; n <= 6; ++n) s += "qualitaL" + std::to_string(n) + "=0\n";
  s += "rotdirection=0\nlanginterface=it\nautorefresh=0\nprn_font_name=Arial\nprn_font_size=8\n"
       "prn_font_set=fsBold.\nlev_dtara=1\ntaratazza=0\ntarainc=0\nxmoltiply=0\ndurata magneti=50\n"
       "copyrigth=KV7 Campionatrice - supervisore di linea\ndelay tara=0\ndistanza fc=0\npoint gest=0\n"
       "password_inst=0\nprod-oraria=1\nv_tazzebad=0\nrx_osc=0\n";
  for (int n = 2; n <= 5; ++n) s += "limpercq" + std::to_string(n) + "=0\n";
  s += "ritfc=1\nncopie=1\ndirexp=c:\\camp\nfine_part_auto=1\n";
  return s;
}

TEST_F(Kv7ctlConfig, ShowAndInstallStringOnAnEmptyStore) {
  Outcome show = Run({"show"});
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out, EmptyStoreShow());
  EXPECT_EQ(show.err, "");
  EXPECT_FALSE(std::filesystem::exists(dir / "store" / "Brem elettronica snc.conf"));

  std::string base =
      "208100002080208020802080208020801000100010001000100010000"
      "50";
  for (int i = 0; i < 30; ++i) base += "00";
  EXPECT_EQ(Run({"install-string"}).out, base + "L50\n");
  EXPECT_EQ(Run({"install-string", "--old-board"}).out, base + "\n");
}

TEST_F(Kv7ctlConfig, SetGetShowAndSave) {
  EXPECT_EQ(Run({"set", "kv2", "lev_dtara", "9"}).status, 0);
  EXPECT_EQ(Run({"set", "kv2", "rotdirection", "right"}).status, 0);
  EXPECT_EQ(Run({"set", "kv2", "qualitaL1", "3"}).status, 0);
  EXPECT_EQ(Run({"set", "kv2", "porta_com", "12"}).status, 0);
  EXPECT_EQ(Run({"set", "kv2", "point gest", "150"}).status, 0);
  EXPECT_EQ(Run({"set", "kv2", "ncopie", "2", "--dword"}).status, 0);
  Outcome get = Run({"get", "kv2", "ncopie"});
  EXPECT_EQ(get.status, 0);
  EXPECT_EQ(get.out, "2\n");

  const std::string show = Run({"show"}).out;
  EXPECT_NE(show.find("\nlev_dtara=1\n"), std::string::npos);
  EXPECT_NE(show.find("\nrotdirection=0\n"), std::string::npos);
  EXPECT_NE(show.find("\nqualitaL1=2\n"), std::string::npos);
  EXPECT_NE(show.find("\npoint gest=150\n"), std::string::npos);
  EXPECT_NE(show.find("\nncopie=2\n"), std::string::npos);

  EXPECT_EQ(Run({"save"}).status, 0);
  EXPECT_EQ(Run({"get", "kv2", "point gest"}).out, "94\n");
  EXPECT_EQ(Run({"get", "kv2", "qualitaL1"}).out, "3\n");
  EXPECT_EQ(Run({"get", "kv2", "rotdirection"}).out, "left\n");
  EXPECT_EQ(Run({"get", "kv2", "lev_dtara"}).out, "1\n");
  const std::string legacy = Slurp(dir / "w83.cfg");
  ASSERT_EQ(legacy.size(), 151u);
  EXPECT_EQ(legacy.substr(0, 6),
            "192"
            "2"
            "08");  // no digit for port 12
}

TEST_F(Kv7ctlConfig, ExportAndImport) {
  Run({"set", "kv2", "numlinee", "4"});
  Run({"set", "kv2", "ncopie", "2", "--dword"});
  EXPECT_EQ(Run({"export", "backup"}).status, 0);
  EXPECT_EQ(Slurp(dir / "backup"), "String(numlinee)=4\r\nInteger(ncopie)=2\r\n");
  Run({"set", "kv2", "numlinee", "1"});
  EXPECT_EQ(Run({"import", "backup"}).status, 0);
  EXPECT_EQ(Run({"get", "kv2", "numlinee"}).out, "4\n");
}

TEST_F(Kv7ctlConfig, ErrorsGiveOneLineAndTheirStatus) {
  Outcome missing = Run({"get", "kv2", "nothing"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");

  for (const std::vector<std::string>& bad : {std::vector<std::string>{"import", "no-such-file"},
                                              {"set", "kv2", "ncopie", "2x", "--dword"},
                                              {"set", "kv2", "ncopie"},
                                              {"frobnicate"},
                                              {"export"},
                                              {"show", "extra"},
                                              {"export", "backup"}}) {
    Outcome o = Run(bad);
    EXPECT_EQ(o.status, 2) << bad[0];
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
    EXPECT_EQ(o.err.rfind("kv7ctl: ", 0), 0u) << o.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "backup"));  // nothing to export: no section "kv2"

  // A stored number that is not one: reported, and the record still shows.
  Run({"set", "kv2", "numtazze", "lots"});
  Outcome show = Run({"show"});
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out, EmptyStoreShow());
  EXPECT_NE(show.err.find("\"numtazze\""), std::string::npos);
  EXPECT_NE(show.err.find("\"lots\""), std::string::npos);
}

}  // namespace
