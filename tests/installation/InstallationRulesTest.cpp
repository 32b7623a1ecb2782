// The installation window's rules as the store ends up holding them, the
// USB folder of the backup dialogs, and the update launcher.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "installation/InstallationRules.h"
#include "installation/Maintenance.h"
#include "store/ConfigStore.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

using installation::InstallationForm;

struct StoredCase {
  const char* what;
  std::function<void(InstallationForm&)> edit;
  std::vector<std::pair<const char*, const char*>> stored;  // key, text in the store
};

TEST(InstallationRules, SavedControlsReachTheStoreAsTheBoardExpects) {
  const StoredCase cases[] = {
      {"COM7", [](auto& f) { f.ports[0] = "COM7"; }, {{"porta_com", "7"}}},
      {"controller off", [](auto& f) { f.ports[0] = "non abilitata"; }, {{"porta_com", "0"}}},
      {"reject off, reader on 12", [](auto& f) { f.ports = {"COM1", "COM12", "non abilitata"}; },
       {{"porta_aux", "12"}, {"porta_scarti", "0"}}},
      {"no entry keeps the port", [](auto& f) { f.ports[0] = ""; }, {{"porta_com", "1"}}},
      {"TARA INC.(4gr)", [](auto& f) { f.tareType = 5; }, {{"taratazza", "S"}, {"tarainc", "S"}, {"lev_dtara", "4"}}},
      {"TARA/TAZZA", [](auto& f) { f.tareType = 1; }, {{"taratazza", "S"}, {"tarainc", "N"}, {"lev_dtara", "1"}}},
      {"no tare entry keeps it", [](auto& f) { f.tareType = -1; }, {{"taratazza", "S"}, {"tarainc", "S"}, {"lev_dtara", "3"}}},
      {"pgest abc", [](auto& f) { f.photocellDuration = "abc"; }, {{"point gest", " 0"}}},
      {"rittara x", [](auto& f) { f.tareDelay = "x"; }, {{"delay tara", "  0"}}},
      {"100% /3 Passi", [](auto& f) { f.magnetType = 3; }, {{"tipoatt", "2"}}},
      {"line 3 grades the reject", [](auto& f) { f.quality[2] = 4; }, {{"qualitaL3", "5"}}},
      {"rotation right", [](auto& f) { f.rotation = 1; }, {{"rotdirection", "rigth"}}},
      {"K-peso 3", [](auto& f) { f.kappa[2] = " 1234 "; }, {{"kpeso3", "1234"}}},
      {"ritfc", [](auto& f) { f.photocellDelay = "17"; }, {{"ritfc", "17"}}},
      {"machine 12", [](auto& f) { f.machine = 12; }, {{"macchina", "12"}}},
      {"machine 0 keeps it", [](auto& f) { f.machine = 0; }, {{"macchina", "1"}}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    store::ConfigStore store(store::ConfigStore::kDefaultRoot, dir / "store");
    store::Configuration record;
    record.taratazza = record.tarainc = true;
    record.lev_dtara = 3;
    InstallationForm form = installation::FormFromConfiguration(record, false);
    c.edit(form);
    installation::TakeForm(form, record, false);
    ASSERT_TRUE(store::SaveConfiguration(record, store, dir.path())) << c.what;
    for (const auto& [key, text] : c.stored) {
      const auto v = store.Find("kv2", key);
      ASSERT_TRUE(v) << c.what << ": " << key;
      EXPECT_EQ(v->type == store::ValueType::Text ? v->text : std::to_string(v->dword), text) << c.what << ": " << key;
    }
  }
}

TEST(InstallationRules, UnchangedWindowKeepsTheRecordAndTareStepEndsTheInstallText) {
  store::Configuration c;
  c.porta_aux = 0, c.numlinee = 4, c.numtazze = 250, c.tipoatt = 2, c.kpeso[6] = 987, c.qualitaL[2] = 3;
  c.rotdirection = 1, c.taratazza = c.tarainc = true, c.lev_dtara = 4, c.durata_magneti = 7, c.ritfc = 12;
  c.macchina = 5;
  const store::Configuration before = c;
  const auto taken = installation::TakeForm(installation::FormFromConfiguration(c, true), c, true);
  EXPECT_EQ(store::ConfigurationValues(c), store::ConfigurationValues(before));
  EXPECT_TRUE(taken.threeStep && !taken.linesChanged);
  EXPECT_EQ(store::InstallSuffix(c), "407");
}

TEST(InstallationRules, TextsThatMustBeNumbersAreNamed) {
  using installation::BadNumber;
  auto bad = [](auto edit) {
    InstallationForm f = installation::FormFromConfiguration({}, false);
    edit(f);
    return installation::FirstBadNumber(f);
  };
  EXPECT_EQ(bad([](auto&) {}), std::nullopt);
  EXPECT_EQ(bad([](auto& f) { f.photocellDuration = "abc"; }), std::nullopt);  // counts as 0
  EXPECT_EQ(bad([](auto& f) { f.photocellDelay = "1.5"; }), (BadNumber{"ritardo FC", 0}));
  EXPECT_EQ(bad([](auto& f) { f.kappa[3] = ""; }), (BadNumber{"K-peso", 4}));
  EXPECT_EQ(bad([](auto& f) { f.outletDistance[11] = "1a"; }), (BadNumber{"Distanza Uscite", 12}));
  // Numbers that would not fit their places in the installation text.
  EXPECT_EQ(bad([](auto& f) { f.cups = "1000"; }), (BadNumber{"Numero Tazze/L.", 0, 999}));
  EXPECT_EQ(bad([](auto& f) { f.cups = "0999"; }), std::nullopt);
  EXPECT_EQ(bad([](auto& f) { f.kappa[5] = "-1"; }), (BadNumber{"K-peso", 6, 9999}));
  EXPECT_EQ(bad([](auto& f) { f.windowEnd[0] = "100"; }), (BadNumber{"Lettura I/F", 1, 99}));
  EXPECT_EQ(bad([](auto& f) { f.outletDistance[29] = "123"; }), (BadNumber{"Distanza Uscite", 30, 99}));
  EXPECT_EQ(bad([](auto& f) { f.magnetTime = "100"; }), (BadNumber{"Durata Att.", 0, 99}));
  EXPECT_EQ(bad([](auto& f) { f.photocellDelay = "12345"; }), std::nullopt);  // not sent to the board
}

TEST(BackupFolder, TheMountedStickOfTheUserElseHome) {
  const std::string mounts =
      "/dev/sda1 / ext4 rw 0 0\n"
      "/dev/sdc1 /media/piero/OTHER vfat rw 0 0\n"
      "/dev/sdb1 /media/anna/USB\\040STICK vfat rw,nosuid 0 0\n";
  EXPECT_EQ(installation::BackupStartFolder(mounts, "anna", "/home/anna"), "/media/anna/USB STICK");
  EXPECT_EQ(installation::BackupStartFolder("/dev/sdb1 /run/media/anna/K vfat rw 0 0\n", "anna", "/home/anna"),
            "/run/media/anna/K");
  EXPECT_EQ(installation::BackupStartFolder(mounts, "luca", "/home/luca"), "/home/luca");
  EXPECT_EQ(installation::BackupStartFolder("/dev/sdb1 /media/anna vfat rw 0 0\n", "anna", "/home/anna"),
            "/home/anna");
}

TEST(UpdateLauncher, StartsUpdateOfTheDataFolderWithTheProgramsQuotedPathInItsFolder) {
  TempDir dir;
  const auto folder = dir / "kv7 con spazi";
  const auto data = dir / "dati";
  std::filesystem::create_directories(folder);
  std::filesystem::create_directories(data);
  const auto launch = installation::PrepareUpdate(folder / "kv7", data);
  EXPECT_EQ(launch.parameter, "\"" + (folder / "kv7").string() + "\"");
  EXPECT_EQ(launch.directory, "\"" + folder.string() + "\"");
  EXPECT_EQ(launch.program, data / "update");

  // One beside the program is never started.
  std::ofstream(folder / "update") << "#!/bin/sh\n";
  ::chmod((folder / "update").c_str(), 0755);
  std::string error;
  EXPECT_FALSE(installation::LaunchUpdate(launch, &error));
  EXPECT_NE(error.find("update"), std::string::npos) << error;

  // The program answers through a pipe: the test waits for its line, not for a time.
  std::ofstream(data / "update") << ("#!/bin/sh\nprintf '%s|%s|%s\\n' \"$#\" \"$1\" \"$(pwd)\" > seen\n");
  ::chmod((data / "update").c_str(), 0755);
  ASSERT_EQ(::mkfifo((folder / "seen").c_str(), 0600), 0);
  const int fd = ::open((folder / "seen").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ASSERT_TRUE(installation::LaunchUpdate(launch, &error)) << error;
  pollfd p{fd, POLLIN, 0};
  std::string seen;
  char buf[512];
  while (seen.find('\n') == std::string::npos && ::poll(&p, 1, 10000) > 0) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) break;
    seen.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  EXPECT_EQ(seen, "1|" + (folder / "kv7").string() + "|" + folder.string() + "\n");
}

TEST(UpdateLauncher, EnvironmentKeepsOnlyWhatADesktopProgramNeeds) {
  const char* const env[] = {"KV7_DB_PASSWORD=x", "PATH=/tmp/planted:/usr/bin", "HOME=/home/anna", "DISPLAY=:0",
                             "LD_PRELOAD=/tmp/x.so", "MYSQL_PWD=y", "LANG=it_IT.UTF-8", "HOMEX=1", nullptr};
  EXPECT_EQ(installation::UpdateEnvironment(env),
            (std::vector<std::string>{"PATH=/usr/bin:/bin", "HOME=/home/anna", "DISPLAY=:0", "LANG=it_IT.UTF-8"}));
}

}  // namespace
}  // namespace kv7::test
