// kv7ctl db on an empty server, with rows written by the plain mariadb
// client, checked against percentages and shares worked out here
// independently of the program's own arithmetic; and the upgrade of an
// archive written before the machine number, on a copy of it.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>

#include "TestDatabase.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

class KvctlDbTest : public kv7::test::TestDatabase {
 protected:
  bool CreateTables() const override { return false; }
  void SetUp() override {
    TestDatabase::SetUp();
    ::setenv("KV7_DB_NAME", Name().c_str(), 1);
  }

  kv7::test::Outcome Kv7ctl(const std::string& args) {
    return kv7::test::Shell(std::string(KV7CTL_PATH) + " db " + args + " 2>&1");
  }

  // Runs SQL through the mariadb command-line client, not through our code.
  void Client(const std::string& sql) {
    FILE* p = ::popen((ClientCommand(MARIADB_CLIENT) + " " + Name()).c_str(), "w");
    ASSERT_TRUE(p);
    std::fwrite(sql.data(), 1, sql.size(), p);
    ASSERT_EQ(::pclose(p), 0) << sql;
  }

  static std::map<std::string, std::string> Lines(const std::string& text) {
    std::map<std::string, std::string> m;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
      auto eq = line.find('=');
      if (eq != std::string::npos) m[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return m;
  }

};

// Hundredths of part/total in percent, ties to even, by long division on
// the doubled numerator: floor((2n + d) / 2d) is round-half-up; an exact tie
// that landed on an odd number steps back.
long long PercentHundredths(long long part, long long total) {
  if (total <= 0) return 0;
  long long n = part * 10000;
  long long twice = 2 * n + total, den = 2 * total;
  long long h = twice / den;
  if (twice % den == 0 && h % 2 != 0) --h;
  return h;
}

std::string Two(long long hundredths) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%lld.%02lld", hundredths / 100, hundredths % 100);
  return buf;
}

TEST_F(KvctlDbTest, BatchMatchesIndependentFigures) {
  auto init = Kv7ctl("init");
  ASSERT_EQ(init.status, 0) << init.out;
  ASSERT_EQ(Kv7ctl("init").status, 0);  // a second run changes nothing

  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> grams(0, 250000);
  struct Case {
    long long tot[4][15];
    long long totq5, totpartita;
  };
  std::vector<Case> cases;
  for (int i = 0; i < 6; ++i) {
    Case c{};
    for (auto& q : c.tot)
      for (auto& v : q) v = (i == 3) ? 2000000000LL - grams(rng) : grams(rng) * (i % 2 ? 1 : 7);
    c.totq5 = grams(rng);
    c.totpartita = 1 + grams(rng) / 10;
    cases.push_back(c);
  }
  // Ties: 2501 of 20000 is 1250.5 hundredths -> 12.50, 2503 is 1251.5 -> 12.52.
  Case tie{};
  tie.tot[0][0] = 2501;
  tie.tot[1][2] = 2503;
  tie.totq5 = 20000 - 2501 - 2503;
  tie.totpartita = 3;
  cases.push_back(tie);

  std::string sql;
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    sql += "INSERT INTO bolle (num, data, programma, bolla, note, totpartita, totq5";
    for (int q = 1; q <= 4; ++q)
      for (int k = 1; k <= 15; ++k) sql += ", tot" + std::to_string(k) + "q" + std::to_string(q);
    sql += ") VALUES (" + std::to_string(100 + i) + ", '2023-1" + std::to_string(i % 3) + "-05 08:30:0" +
           std::to_string(i) + "', '0" + std::to_string(i) + "', 'N" + std::to_string(i) +
           "', 'a \\'quoted\\' note; x', " + std::to_string(c.totpartita) + ", " + std::to_string(c.totq5);
    for (auto& q : c.tot)
      for (long long v : q) sql += ", " + std::to_string(v);
    sql += ");\n";
  }
  Client(sql);

  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    auto out = Kv7ctl("batch " + std::to_string(100 + i));
    ASSERT_EQ(out.status, 0) << out.out;
    auto m = Lines(out.out);
    EXPECT_EQ(m["note"], "a 'quoted' note; x");
    EXPECT_EQ(m["data"], "2023-1" + std::to_string(i % 3) + "-05 08:30:0" + std::to_string(i));
    long long qt[5] = {0, 0, 0, 0, c.totq5}, total = c.totq5;
    for (int q = 0; q < 4; ++q)
      for (int k = 0; k < 15; ++k) qt[q] += c.tot[q][k], total += c.tot[q][k];
    EXPECT_EQ(m["totale_gen"], std::to_string(total));
    for (int q = 1; q <= 4; ++q) EXPECT_EQ(m["totaleq" + std::to_string(q)], std::to_string(qt[q - 1]));
    for (int q = 1; q <= 5; ++q) {
      long long h = PercentHundredths(qt[q - 1], total);
      std::string pname = (q == 1 ? "Percq" : "percq") + std::to_string(q);
      EXPECT_EQ(m[pname], Two(h)) << pname << " case " << i;
      // Shares: totpartita x h / 10000 kg, shown to the nearest hundredth.
      long long share = (c.totpartita * h * 2 + 100) / 200;  // half up, all values positive
      EXPECT_EQ(m["ttotq" + std::to_string(q)], Two(share)) << "case " << i;
    }
    for (int q = 1; q <= 4; ++q)
      for (int k = 1; k <= 15; ++k) {
        std::string s = std::to_string(k) + "q" + std::to_string(q);
        long long h = PercentHundredths(c.tot[q - 1][k - 1], total);
        EXPECT_EQ(m["perc" + s], Two(h)) << s << " case " << i;
        EXPECT_EQ(m["ttot" + s], Two((c.totpartita * h * 2 + 100) / 200)) << s << " case " << i;
      }
  }
  auto t = Lines(Kv7ctl("batch " + std::to_string(100 + cases.size() - 1)).out);
  EXPECT_EQ(t["perc1q1"], "12.50");
  EXPECT_EQ(t["perc3q2"], "12.52");
  EXPECT_EQ(t["ttot1q1"], "0.38");  // 3 kg x 12.50 % = 0.375

  EXPECT_EQ(Kv7ctl("batch 99").status, 1);
  EXPECT_EQ(Kv7ctl("batch x").status, 2);
}

TEST_F(KvctlDbTest, ProgramAndSelection) {
  ASSERT_EQ(Kv7ctl("init").status, 0);
  Client(
      "INSERT INTO programmi (num, codiceprog, descrizione, pesocal1q1, pesocal16q4, nomecal15q4, codiceq5) "
      "VALUES (8, '08', 'Mele \\\\ \"rosse\"', 80, 420, 'XL', 'R5'), (3, '08', 'prima', 1, 2, 'S', 'R');\n");
  auto out = Kv7ctl("program 08");
  ASSERT_EQ(out.status, 0) << out.out;
  auto m = Lines(out.out);
  EXPECT_EQ(m["descrizione"], "prima");
  EXPECT_EQ(m["codiceprog"], "08");
  EXPECT_EQ(m["pesocal16q4"], "2");
  EXPECT_EQ(m["nomecal15q4"], "S");
  EXPECT_EQ(m["pesocal5q2"], "0");
  Client("DELETE FROM programmi WHERE num = 3;\n");
  m = Lines(Kv7ctl("program 08").out);
  EXPECT_EQ(m["descrizione"], "Mele \\ \"rosse\"");
  EXPECT_EQ(m["pesocal1q1"], "80");
  EXPECT_EQ(Kv7ctl("program 8").status, 1);

  out = Kv7ctl("selection");
  EXPECT_EQ(out.status, 1);
  EXPECT_EQ(Lines(out.out)["programma"], "000");
  EXPECT_EQ(Lines(out.out)["produttore"], "00000");
  ASSERT_EQ(Kv7ctl("selection set 08 00042").status, 0);
  out = Kv7ctl("selection");
  EXPECT_EQ(out.status, 0);
  EXPECT_EQ(Lines(out.out)["programma"], "8");
  EXPECT_EQ(Lines(out.out)["produttore"], "42");
}

// An archive from before the machine number, copied with `kv7ctl db backup`
// and loaded into another database: `kv7ctl db init` upgrades the copy in
// place, every row reads as it did (as machine 1's), and a second init
// changes nothing.
TEST_F(KvctlDbTest, InitUpgradesACopyOfAnOlderArchiveKeepingEveryRow) {
  ASSERT_EQ(Kv7ctl("init").status, 0);
  Client(
      "ALTER TABLE bolle DROP COLUMN macchina;\n"
      "ALTER TABLE temporary DROP PRIMARY KEY, DROP COLUMN macchina;\n"
      "ALTER TABLE totali_temp DROP PRIMARY KEY, DROP COLUMN macchina;\n"
      "INSERT INTO bolle (num, data, programma, bolla, produttore, note, totpartita, totq5, tot3q2, tot15q4) VALUES "
      "(1, '2024-05-02 07:00:00', '05', 'B1', '12', 'prima', 900, 40, 8000, 1),"
      "(2, '2024-05-02 09:30:00', '07', 'B2', '3', NULL, 0, 0, 0, 0),"
      "(9, NULL, '05', 'B9', '12', 'l\\'ultima', 12, 7, 2000000000, 5);\n"
      "INSERT INTO temporary VALUES (5, 12);\n"
      "INSERT INTO totali_temp (tot1q1, totq5) VALUES (300, 40);\n");
  const int nums[] = {1, 2, 9};
  std::vector<std::string> before;
  for (int n : nums) before.push_back(Kv7ctl("batch " + std::to_string(n)).out);

  kv7::test::TempDir dir;
  ASSERT_EQ(Kv7ctl("backup '" + (dir / "old.sql").string() + "'").status, 0);
  const std::string copy = Name() + "_copy";
  Client("CREATE DATABASE `" + copy + "`;\n");
  ASSERT_EQ(kv7::test::Shell(ClientCommand(MARIADB_CLIENT) + " " + copy + " < '" + (dir / "old.sql").string() + "'").status,
            0);
  ::setenv("KV7_DB_NAME", copy.c_str(), 1);
  const auto upgrade = Kv7ctl("init");
  EXPECT_EQ(upgrade.status, 0) << upgrade.out;
  for (const char* change : {"table bolle: column macchina added", "table temporary: keyed by macchina",
                             "table totali_temp: keyed by macchina"})
    EXPECT_NE(upgrade.out.find(change), std::string::npos) << change << " in\n" << upgrade.out;
  const auto again = Kv7ctl("init");
  EXPECT_EQ(again.out, "database " + copy + " ready\n");

  EXPECT_EQ(Kv7ctl("count bolle").out, "3\n");
  EXPECT_EQ(Kv7ctl("count totali_temp").out, "1\n");
  for (std::size_t i = 0; i < std::size(nums); ++i) {
    EXPECT_EQ(Kv7ctl("batch " + std::to_string(nums[i])).out, before[i]);
    EXPECT_NE(before[i].find("macchina=1\n"), std::string::npos) << before[i];
  }
  EXPECT_EQ(Kv7ctl("selection").out, "programma=5\nproduttore=12\n");  // the old row, now machine 1's
  EXPECT_EQ(kv7::test::Shell(std::string(KV7CTL_PATH) + " batch list --machine 1 | wc -l").out, "3\n");
  Client("DROP DATABASE `" + copy + "`;\n");
}

}  // namespace
