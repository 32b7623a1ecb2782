// kv7ctl report: a batch, program or installation page written to a PDF
// file by the console's own drawing code, without a display (Qt's offscreen
// platform unless another is asked for). Archive from the KV7_DB_*
// environment, configuration from the configuration store; numbers and the
// print font follow the configured language and font.

#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "Command.h"
#include "batches/BatchRules.h"
#include "i18n/LanguageModules.h"
#include "i18n/Languages.h"
#include "i18n/PrintFont.h"
#include "reports/PageData.h"
#include "reports/PageOutput.h"
#include "reports/SeasonStatement.h"
#include "store/ConfigStore.h"
#include "store/DbError.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage =
    "batch NUM [--partita] --pdf FILE | program CODE --pdf FILE | installation --pdf FILE"
    " | producer CODE [--from DATE] [--to DATE] --pdf FILE";

namespace reports = kv7::reports;

int Usage() {
  return UsageError(std::string("report: usage: kv7ctl report ") + kUsage);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: report: %s\n", message.c_str());
  return 1;
}

struct Request {
  std::string what;
  std::string key;  // batch number, program code or producer code
  bool partita = false;
  std::string from, to;  // the producer's period, YYYY-MM-DD
  std::string pdf;
};

std::optional<Request> Parse(const kv7ctl::Args& a) {
  if (a.empty()) return std::nullopt;
  Request r;
  r.what = a[0];
  std::size_t i = 1;
  if (r.what == "batch" || r.what == "program" || r.what == "producer") {
    if (a.size() < 2) return std::nullopt;
    r.key = a[i++];
  } else if (r.what != "installation") {
    return std::nullopt;
  }
  for (; i < a.size(); ++i) {
    if (a[i] == "--partita" && r.what == "batch") {
      r.partita = true;
    } else if ((a[i] == "--from" || a[i] == "--to") && r.what == "producer" && i + 1 < a.size()) {
      (a[i] == "--from" ? r.from : r.to) = a[i + 1];
      ++i;
    } else if (a[i] == "--pdf" && i + 1 < a.size()) {
      r.pdf = a[++i];
    } else {
      return std::nullopt;
    }
  }
  if (r.pdf.empty()) return std::nullopt;
  return r;
}

// The configured language for numbers and page texts.
void UseLanguage(const kv7::store::Configuration& config) {
  const auto* language = kv7::i18n::LanguageByCode(config.langinterface);
  if (!language) return;
  QLocale::setDefault(QLocale(QString::fromUtf8(language->qtLocale.data(), qsizetype(language->qtLocale.size()))));
  kv7::i18n::LoadLanguageModule(language->localeId);
}

// The statement's period: this year up to today unless given.
std::optional<reports::Page> StatementPage(kv7::store::Database& db, const Request& r, int& status) {
  const auto today = kv7::store::DbDateTime::LocalNow();
  const auto from = r.from.empty() ? kv7::store::DbDateTime{today.year, 1, 1} : kv7::store::DbDateTime::Parse(r.from);
  const auto to = r.to.empty() ? today : kv7::store::DbDateTime::Parse(r.to);
  if (!from || !to) {
    status = UsageError("report: --from and --to take a date YYYY-MM-DD");
    return std::nullopt;
  }
  return reports::LoadSeasonStatement(db, r.key, *from, *to);
}

std::optional<reports::Page> MakePage(const Request& r, const kv7::store::Configuration& config, int& status) {
  status = 1;
  if (r.what == "installation") return reports::MakeInstallationPage(config);
  kv7::store::Database db;
  db.SetMachine(ConfiguredMachine());
  if (r.what == "producer") return StatementPage(db, r, status);
  if (r.what == "program") {
    auto page = reports::LoadProgramPage(db, r.key);
    if (!page) Fail("no program with code \"" + r.key + "\"");
    return page;
  }
  const auto n = kv7::batches::ParseInteger(r.key);
  if (!n || *n < 1) {
    status = UsageError("report: batch number must be a whole number above 0, not '" + r.key + "'");
    return std::nullopt;
  }
  auto stored = reports::LoadBatchPage(db, *n, r.partita, config);
  if (!stored.found) Fail("no batch " + r.key);
  if (stored.found && !stored.page) Fail("programma " + stored.programMissing + " non in archivio");
  return stored.page;
}

int RunReport(const Args& a) {
  const auto request = Parse(a);
  if (!request) return Usage();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kv7ctl";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  kv7::store::Configuration config;
  kv7::store::LoadConfiguration(config, kv7::store::ConfigStore(), [](const std::string& warning) {
    std::fprintf(stderr, "kv7ctl: report: %s\n", warning.c_str());
  });
  UseLanguage(config);
  int status = 1;
  std::optional<reports::Page> page;
  try {
    page = MakePage(*request, config, status);
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
  if (!page) return status;
  if (!reports::WritePdf(*page, QString::fromStdString(request->pdf),
                         kv7::i18n::PrintSettings::FromConfiguration(config)))
    return Fail("cannot write " + request->pdf);
  return 0;
}

static Registration reg("report", kUsage, &RunReport);

}  // namespace
}  // namespace kv7ctl
