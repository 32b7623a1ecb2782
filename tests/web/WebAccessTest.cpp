// kv7-web as the office's browser meets it: a server started on a free port
// over a fresh test archive, asked with an HTTP client. Access (login, the
// slowing of wrong passwords, the session cookie, no write method, the
// security headers), the users command and the live stream of `kv7_live`.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <regex>
#include <thread>

#include "store/TestDatabase.h"
#include "support/FileText.h"
#include "support/Shell.h"
#include "support/TempDir.h"
#include "support/Until.h"
#include "web/Sessions.h"
#include "web/WebConfig.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kUser = "ufficio";
constexpr const char* kPassword = "pesche-gialle-2026";

// The same columns the console writes; kept here so the test stands on its own.
constexpr const char* kLiveTable =
    "CREATE TABLE IF NOT EXISTS kv7_live (machine INT NOT NULL PRIMARY KEY, aggiornato DATETIME(3) NOT NULL, "
    "stato VARCHAR(40), programma VARCHAR(3), programma_nome VARCHAR(60), bolla VARCHAR(20), produttore VARCHAR(60), "
    "tazze_min INT, produzione INT, in_attesa INT, dati LONGTEXT)";

class WebServer : public kv7::test::TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    if (HasFatalFailure()) return;
    Sql().ExecuteSql(kLiveTable);
    WriteConfig();
    ASSERT_EQ(Run("user add " + std::string(kUser) + " --password-file " + (dir_ / "pw").string()).status, 0);
    Start();
  }

  void TearDown() override {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      int status = 0;
      ::waitpid(pid_, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << Log();
    }
    TestDatabase::TearDown();
  }

  void WriteConfig() {
    const auto& db = Params();
    std::ofstream(config_) << "listen = 127.0.0.1\nport = 0\nsession_minutes = 30\ndb_host = " << db.host
                           << "\ndb_port = " << db.port << "\ndb_socket = " << db.socket << "\ndb_user = " << db.user
                           << "\ndb_password = " << db.password << "\ndb_name = " << Name() << "\n";
    ::chmod(config_.c_str(), 0600);
    std::ofstream(dir_ / "pw") << kPassword << "\n";
  }

  kv7::test::Outcome Run(const std::string& args) {
    return kv7::test::Shell(std::string(KV7WEB_PATH) + " --config " + config_.string() + " " + args + " 2>&1");
  }

  void Start() {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    const std::string config = config_.string();
    const char* argv[] = {KV7WEB_PATH, "--config", config.c_str(), nullptr};
    ASSERT_EQ(posix_spawn(&pid_, KV7WEB_PATH, &files, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    const std::regex listening("listening on http://127\\.0\\.0\\.1:(\\d+)/");
    std::smatch found;
    std::string log;
    ASSERT_TRUE(kv7::test::RepeatUntil([&] { log = Log(); }, [&] { return std::regex_search(log, found, listening); }, 10s))
        << log;
    port_ = std::stoi(found[1]);
  }

  std::string Log() const { return kv7::test::Slurp(log_); }

  httplib::Client Client(const std::string& cookie = {}) {
    httplib::Client client("127.0.0.1", port_);
    client.set_read_timeout(30s);
    if (!cookie.empty()) client.set_default_headers({{"Cookie", cookie}});
    return client;
  }

  // The session cookie ("kv7_session=...") of a right login.
  std::string LogIn() {
    auto result = Client().Post("/login", httplib::Params{{"user", kUser}, {"password", kPassword}});
    EXPECT_TRUE(result && result->status == 303);
    if (!result) return {};
    const std::string cookie = result->get_header_value("Set-Cookie");
    return cookie.substr(0, cookie.find(';'));
  }

  kv7::test::TempDir dir_;
  std::filesystem::path config_ = dir_ / "kv7-web.conf";
  std::filesystem::path log_ = dir_ / "kv7-web.log";
  pid_t pid_ = -1;
  int port_ = 0;
};

TEST_F(WebServer, EveryPageAndDataRequestNeedsALogin) {
  struct Case {
    const char* path;
    int status;
    const char* location;
  };
  const Case cases[] = {
      {"/", 303, "/login"},
      {"/batches", 303, "/login"},
      {"/batch?num=1", 303, "/login"},
      {"/statistics", 303, "/login"},
      {"/no-such-page", 303, "/login"},
      {"/events/machines", 401, ""},
      {"/batches?format=csv", 401, ""},
      {"/batch?num=1&format=pdf", 401, ""},
      {"/statement?producer=3", 401, ""},
      {"/login", 200, ""},
      {"/static/kv7.css", 200, ""},
  };
  auto client = Client("kv7_session=0123456789abcdef");  // a made-up session counts for nothing
  for (const Case& c : cases) {
    auto result = client.Get(c.path);
    ASSERT_TRUE(result) << c.path;
    EXPECT_EQ(result->status, c.status) << c.path;
    EXPECT_EQ(result->get_header_value("Location"), c.location) << c.path;
  }
  EXPECT_EQ(Client(LogIn()).Get("/")->status, 200);
}

TEST_F(WebServer, WrongPasswordsAreAnsweredLaterAndLater) {
  std::vector<Clock::duration> took;
  for (int i = 0; i < 3; ++i) {
    const auto start = Clock::now();
    auto result = Client().Post("/login", httplib::Params{{"user", kUser}, {"password", "pesche-bianche"}});
    took.push_back(Clock::now() - start);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 401);
    EXPECT_FALSE(result->has_header("Set-Cookie"));
  }
  EXPECT_GE(took[0], 500ms);
  EXPECT_GE(took[1], 1000ms);
  EXPECT_GE(took[2], 2000ms);
  // An unknown user waits as a known one does.
  const auto start = Clock::now();
  EXPECT_EQ(Client().Post("/login", httplib::Params{{"user", "nessuno"}, {"password", "x"}})->status, 401);
  EXPECT_GE(Clock::now() - start, 500ms);
  EXPECT_NE(LogIn(), "");  // the right password still opens, without waiting out the count
  EXPECT_EQ(Log().find("pesche-bianche"), std::string::npos) << "a typed password reached the log";
}

TEST_F(WebServer, TheSessionCookieIsHttpOnlyStrictAndEndsWithTheLogout) {
  auto result = Client().Post("/login", httplib::Params{{"user", kUser}, {"password", kPassword}});
  ASSERT_TRUE(result);
  const std::string cookie = result->get_header_value("Set-Cookie");
  EXPECT_TRUE(std::regex_search(cookie, std::regex("^kv7_session=[0-9a-f]{64};"))) << cookie;
  for (const char* attribute : {"; HttpOnly", "; SameSite=Strict", "; Path=/", "; Max-Age=1800"})
    EXPECT_NE(cookie.find(attribute), std::string::npos) << attribute << " missing in " << cookie;

  const std::string session = cookie.substr(0, cookie.find(';'));
  EXPECT_EQ(Client(session).Get("/")->status, 200);
  EXPECT_EQ(Client(session).Post("/logout")->status, 303);
  EXPECT_EQ(Client(session).Get("/")->status, 303) << "the session outlived its logout";
}

TEST(WebSessions, ASessionPastItsLifetimeIsGone) {
  kv7::web::Sessions lasting(std::chrono::minutes(1)), spent(std::chrono::minutes(0));
  const std::string live = lasting.Open("a"), dead = spent.Open("a");
  EXPECT_EQ(lasting.UserOf(live), "a");
  EXPECT_EQ(lasting.UserOf(dead), std::nullopt) << "a token of another store";
  EXPECT_EQ(spent.UserOf(dead), std::nullopt);
  EXPECT_NE(live, lasting.Open("a")) << "tokens repeat";
}

TEST_F(WebServer, NoWriteMethodIsAnswered) {
  const std::string session = LogIn();
  for (const std::string& cookie : {std::string(), session}) {
    auto client = Client(cookie);
    const std::vector<std::pair<const char*, httplib::Result>> answers = [&] {
      std::vector<std::pair<const char*, httplib::Result>> a;
      a.emplace_back("PUT /", client.Put("/"));
      a.emplace_back("PUT /batches", client.Put("/batches", "x", "text/plain"));
      a.emplace_back("DELETE /batch", client.Delete("/batch?num=1"));
      a.emplace_back("PATCH /", client.Patch("/", "{}", "application/json"));
      a.emplace_back("POST /", client.Post("/"));
      a.emplace_back("POST /batches", client.Post("/batches", httplib::Params{{"num", "1"}}));
      a.emplace_back("POST /events/machines", client.Post("/events/machines"));
      a.emplace_back("OPTIONS /", client.Options("/"));
      return a;
    }();
    for (const auto& [what, result] : answers) {
      ASSERT_TRUE(result) << what;
      EXPECT_EQ(result->status, 405) << what << (cookie.empty() ? " without" : " with") << " a session";
      EXPECT_EQ(result->get_header_value("Allow"), "GET, HEAD") << what;
    }
  }
}

TEST_F(WebServer, EveryAnswerCarriesTheSecurityHeaders) {
  const std::string session = LogIn();
  std::vector<std::pair<const char*, httplib::Result>> answers;
  answers.emplace_back("login page", Client().Get("/login"));
  answers.emplace_back("redirect", Client().Get("/"));
  answers.emplace_back("401", Client().Get("/events/machines"));
  answers.emplace_back("405", Client().Delete("/"));
  answers.emplace_back("wrong login", Client().Post("/login", httplib::Params{{"user", "x"}, {"password", "y"}}));
  answers.emplace_back("machines", Client(session).Get("/"));
  answers.emplace_back("script", Client(session).Get("/static/kv7.js"));
  answers.emplace_back("404", Client(session).Get("/no-such-page"));
  answers.emplace_back("data page", Client(session).Get("/batches?format=csv"));
  for (const auto& [what, result] : answers) {
    ASSERT_TRUE(result) << what;
    EXPECT_EQ(result->get_header_value("Content-Security-Policy").rfind("default-src 'self'", 0), 0u) << what;
    EXPECT_EQ(result->get_header_value("X-Content-Type-Options"), "nosniff") << what;
    EXPECT_EQ(result->get_header_value("X-Frame-Options"), "DENY") << what;
    EXPECT_EQ(result->get_header_value("Referrer-Policy"), "no-referrer") << what;
    EXPECT_EQ(result->get_header_value("Cache-Control"), "no-store") << what;
  }
}

TEST_F(WebServer, TheLanguageFollowsTheBrowserAndItsChoice) {
  const std::string session = LogIn();
  struct Case {
    const char* cookie;
    const char* acceptLanguage;
    const char* lang;
    const char* machines;  // the page's title in that language
  };
  const Case cases[] = {
      {"", "", "it", "Macchine"},
      {"", "de-CH,de;q=0.9,en;q=0.8", "de", "Maschinen"},
      {"", "nl,en-GB;q=0.5,fr;q=0.7", "fr", "Machines"},
      {"", "nl, ja", "it", "Macchine"},
      {"; kv7_lang=el", "de", "el", "Μηχανήματα"},
      {"; kv7_lang=xx", "pt-BR", "pt", "Máquinas"},
  };
  for (const Case& c : cases) {
    auto result = Client(session + c.cookie).Get("/", {{"Accept-Language", c.acceptLanguage}});
    ASSERT_TRUE(result);
    EXPECT_NE(result->body.find("<html lang=\"" + std::string(c.lang) + "\""), std::string::npos)
        << c.cookie << " / " << c.acceptLanguage;
    EXPECT_NE(result->body.find("<h1>" + std::string(c.machines) + "</h1>"), std::string::npos) << c.lang;
  }
  auto chosen = Client(session).Get("/language?lang=es&back=/batches");
  EXPECT_EQ(chosen->get_header_value("Location"), "/batches");
  EXPECT_EQ(chosen->get_header_value("Set-Cookie").rfind("kv7_lang=es;", 0), 0u);
  EXPECT_EQ(Client(session).Get("/language?lang=es&back=//elsewhere.example")->get_header_value("Location"), "/");
}

// Collects the stream of a machines page on a thread of its own.
class Stream {
 public:
  Stream(int port, const std::string& cookie) : client_("127.0.0.1", port) {
    client_.set_default_headers({{"Cookie", cookie}});
    thread_ = std::thread([this] {
      client_.Get("/events/machines", [this](const char* data, std::size_t size) {
        std::lock_guard lock(mutex_);
        text_.append(data, size);
        arrived_.notify_all();
        return true;
      });
    });
  }
  ~Stream() {
    client_.stop();
    thread_.join();
  }
  // Whether an event holding every one of `parts` arrives within `limit`.
  bool Shows(const std::vector<std::string>& parts, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] {
      for (std::size_t at = 0; (at = text_.find("data: ", at)) != std::string::npos; ++at) {
        const std::string event = text_.substr(at, text_.find("\n\n", at) - at);
        if (std::all_of(parts.begin(), parts.end(), [&](const std::string& p) { return event.find(p) != std::string::npos; }))
          return true;
      }
      return false;
    });
  }

 private:
  httplib::Client client_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::string text_;
};

TEST_F(WebServer, AChangeOfALiveRowReachesTheMachinesPageWithinTwoSeconds) {
  Stream stream(port_, LogIn());
  ASSERT_TRUE(stream.Shows({"\"machines\":[]"}, 2s));

  Sql().Execute(
      "INSERT INTO kv7_live (machine, aggiornato, stato, programma, programma_nome, bolla, produttore, tazze_min, "
      "produzione, in_attesa, dati) VALUES (3, NOW(3), '4 - Lavorazione', '05', 'Pesche', 'B-4711', 'Rossi', 600, "
      "5400, 2, ?)",
      {std::string("{\"classes\":[{\"name\":\"A\",\"from\":80,\"to\":90}],\"totals\":[[1000,200,0,0]],\"reject\":50}")});
  EXPECT_TRUE(stream.Shows({"\"machine\":3,", "\"answering\":true", "\"state\":\"4 - Lavorazione\"",
                            "\"batch\":\"B-4711\"", "\"productionKgPerHour\":5400", "\"waiting\":2", "\"reject\":50"},
                           2s));

  Sql().Execute("UPDATE kv7_live SET aggiornato = NOW(3), stato = '3 - Pronto', bolla = 'B-4712' WHERE machine = 3");
  EXPECT_TRUE(stream.Shows({"\"state\":\"3 - Pronto\"", "\"batch\":\"B-4712\""}, 2s));

  // A row that has not been written for more than 10 s: not answering.
  Sql().Execute("INSERT INTO kv7_live (machine, aggiornato, stato) VALUES (5, NOW(3) - INTERVAL 11 SECOND, '4 - Lavorazione')");
  EXPECT_TRUE(stream.Shows({"\"machine\":5,", "\"answering\":false"}, 2s));
}

TEST_F(WebServer, UsersAreKeptAsHashesInAFileForItsOwnerOnly) {
  EXPECT_EQ(Run("user list").out, std::string(kUser) + "\n");
  const std::string text = kv7::test::Slurp(config_);
  EXPECT_EQ(text.find(kPassword), std::string::npos);
  EXPECT_NE(text.find("user.ufficio = $argon2id$"), std::string::npos) << text;
  EXPECT_NE(text.find("db_name = " + Name()), std::string::npos) << "the other lines were not kept";
  struct stat st {};
  ASSERT_EQ(::stat(config_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  EXPECT_EQ(Run("user remove ufficio").status, 0);
  EXPECT_EQ(Run("user list").out, "");
  EXPECT_NE(Run("user remove ufficio").status, 0);

  ::chmod(config_.c_str(), 0644);
  EXPECT_THROW(kv7::web::LoadWebConfig(config_), std::runtime_error);
  const auto refused = Run("user list");
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.out.find("readable by others"), std::string::npos) << refused.out;
}

}  // namespace
