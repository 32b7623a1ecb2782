// The service and reset passwords on the supervisor: a clear-text password
// as older stores hold it opens the installation and is saved as its hash;
// the site sets new ones from the window; wrong passwords slow the next
// attempt; the update program is started only from the data folder, after
// the service password, without the console's environment.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "installation/ScriptedInstallationWindows.h"
#include "store/ConfigStore.h"
#include "store/NoBatchMarker.h"
#include "store/PasswordHash.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

using Clock = installation::PasswordThrottle::Clock;

// One run of the console on `store`, started as at power-on.
struct Session {
  explicit Session(store::ConfigStore& store, const TempDir& dir) : sup(console, op, store, nullptr, dir.path()) {
    store.WriteString("kv2", "porta_com", "99");  // no board on the test machine
    store.WriteString("kv2", "porta_scarti", "99");
    store.WriteString("kv2", "porta_aux", "0");
    sup.SetInstallationWindows(&windows);
    sup.FormShow({});
    op.messages.clear();  // the start-up's own, without an archive
  }
  // "&Calibratrice" with `typed`, saving `form` when the window opens.
  bool Open(const std::string& typed, const installation::InstallationForm& form) {
    op.answers = {true};
    windows.passwords = {typed};
    windows.results = {supervisor::InstallationResult{form, ""}};
    sup.Impostazione1Click();
    return windows.results.empty();
  }
  installation::InstallationForm Form() { return installation::FormFromConfiguration(sup.Config(), false); }

  ConsoleRecorder console;
  ScriptedOperator op;
  ScriptedInstallationWindows windows;
  supervisor::Supervisor sup;
};

struct ServicePassword : ::testing::Test {
  TempDir dir;
  store::ConfigStore store{store::ConfigStore::kDefaultRoot, dir / "store"};
  std::string Stored(const char* key) { return store.Find("kv2", key).value_or(store::StoredValue{}).text; }
};

TEST_F(ServicePassword, ClearTextOpensTheWindowIsSavedAsAHashAndOpensItAgain) {
  store.WriteString("kv2", "password_inst", "1234");
  {
    Session run(store, dir);
    ASSERT_TRUE(run.Open("1234", run.Form()));
    EXPECT_TRUE(store::password_hash::IsHash(Stored("password_inst")));
  }
  Session again(store, dir);
  EXPECT_FALSE(again.Open("0", again.Form()));
  EXPECT_TRUE(again.Open("1234", again.Form()));
}

TEST_F(ServicePassword, TheSiteSetsBothPasswordsFromTheWindow) {
  {
    Session run(store, dir);
    auto form = run.Form();
    form.servicePassword = form.servicePasswordAgain = "nuova";
    form.resetPassword = form.resetPasswordAgain = "azzera";
    ASSERT_TRUE(run.Open("0", form));
    // Empty fields keep them.
    ASSERT_TRUE(run.Open("", run.Form()));
  }
  for (const char* key : {"password_inst", "password_reset"}) {
    EXPECT_TRUE(store::password_hash::IsHash(Stored(key))) << key;
    EXPECT_EQ(Stored(key).find("azzera"), std::string::npos);
  }
  Session next(store, dir);
  EXPECT_FALSE(next.Open("0", next.Form()));
  EXPECT_TRUE(next.Open("nuova", next.Form()));
  store::WriteNoBatchMarker(dir.path());
  next.op.questions.clear();
  next.windows.passwords = {"vok", "azzera"};
  next.sup.AzzeramentoBolle1Click();
  EXPECT_TRUE(next.op.questions.empty());  // the built-in one no longer opens the archive
  next.sup.AzzeramentoBolle1Click();
  EXPECT_EQ(next.op.questions, std::vector<std::string>{"Cancellare archivio Bolle? non sarà possibile recuperarlo."});
}

TEST_F(ServicePassword, ThreeWrongPasswordsSlowTheFourthAttempt) {
  Session run(store, dir);
  Clock::time_point now{};
  std::vector<Clock::duration> waits;
  run.sup.SetPasswordThrottle(installation::PasswordThrottle(
      [&] { return now; },
      [&](Clock::duration d) {
        waits.push_back(d);
        now += d;
      }));
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(run.Open("sbagliata", run.Form()));
    now += std::chrono::seconds(1);
  }
  EXPECT_TRUE(waits.empty());
  EXPECT_FALSE(run.Open("ancora", run.Form()));
  ASSERT_EQ(waits.size(), 1u);
  EXPECT_EQ(waits[0], installation::PasswordThrottle::kDelay - std::chrono::seconds(1));
  // Still slowed after the wait, until a right one.
  EXPECT_TRUE(run.Open("0", run.Form()));
  EXPECT_EQ(waits.size(), 2u);
  EXPECT_EQ(waits[1], installation::PasswordThrottle::kDelay);
}

TEST_F(ServicePassword, UpdateStartsOnlyFromTheDataFolderAfterThePasswordWithoutSecrets) {
  Session run(store, dir);
  const auto data = dir / "dati";
  std::filesystem::create_directories(data);
  run.sup.SetUpdateFolder(data);
  run.windows.passwords = {std::nullopt, "0"};
  EXPECT_FALSE(run.sup.ControlloAggiornamentiOnline1Click());
  EXPECT_TRUE(run.op.messages.empty());
  EXPECT_FALSE(run.sup.ControlloAggiornamentiOnline1Click());
  EXPECT_EQ(run.op.messages,
            std::vector<std::string>{"Programma di aggiornamento non installato: " + (data / "update").string()});

  // The program answers through a pipe: the test waits for its line, not for a time.
  const auto seen = dir / "seen";
  std::ofstream(data / "update") << "#!/bin/sh\n{ env; echo end; } > '" + seen.string() + "'\n";
  ::chmod((data / "update").c_str(), 0755);
  ASSERT_EQ(::mkfifo(seen.c_str(), 0600), 0);
  const int fd = ::open(seen.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ::setenv("KV7_DB_PASSWORD", "segreto", 1);
  const bool started = run.sup.ControlloAggiornamentiOnline1Click();
  ::unsetenv("KV7_DB_PASSWORD");
  ASSERT_TRUE(started);
  pollfd p{fd, POLLIN, 0};
  std::string env;
  char buf[512];
  while (env.find("end\n") == std::string::npos && ::poll(&p, 1, 10000) > 0) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) break;
    env.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  EXPECT_NE(env.find("PATH=/usr/bin:/bin\n"), std::string::npos) << env;
  EXPECT_EQ(env.find("segreto"), std::string::npos) << env;
  EXPECT_EQ(env.find("KV7_"), std::string::npos) << env;
}

}  // namespace
}  // namespace kv7::test
