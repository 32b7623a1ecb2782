// kv7ctl export range FROM TO [--header] [--dir DIR] and export daily
// [--dir DIR]: the host exports of stored batches, for cron. Dates are
// YYYY-MM-DD (the start of the day in FROM, its end in TO) or
// YYYY-MM-DDThh:mm:ss. The directory defaults to `direxp`; the path of the
// written file is printed. Archive from the KV7_DB_* environment.

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "Command.h"
#include "batches/HostExport.h"
#include "store/ConfigStore.h"
#include "store/Configuration.h"
#include "store/DbError.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "range FROM TO [--header] [--dir DIR] | daily [--dir DIR]";

using kv7::store::DbDateTime;

int Usage() {
  return UsageError(std::string("export: usage: kv7ctl export ") + kUsage);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: export: %s\n", message.c_str());
  return 1;
}

std::optional<DbDateTime> Bound(std::string text, bool end) {
  const auto t = text.find('T');
  if (t != std::string::npos) {
    if (t != 10) return std::nullopt;
    text[t] = ' ';
  } else if (text.size() != 10) {
    return std::nullopt;
  }
  auto d = DbDateTime::Parse(text);
  if (d && t == std::string::npos && end) d->hour = 23, d->minute = 59, d->second = 59;
  return d;
}

struct Options {
  std::vector<std::string> words;
  bool header = false;
  std::optional<std::string> dir;
};

std::optional<Options> ParseOptions(const Args& a) {
  Options o;
  for (std::size_t i = 1; i < a.size(); ++i) {
    if (a[i] == "--header" && !o.header) {
      o.header = true;
    } else if (a[i] == "--dir" && !o.dir && i + 1 < a.size()) {
      o.dir = a[++i];
    } else if (a[i].rfind("--", 0) == 0) {
      return std::nullopt;
    } else {
      o.words.push_back(a[i]);
    }
  }
  return o;
}

int RunExport(const Args& a) {
  if (a.empty() || (a[0] != "range" && a[0] != "daily")) return Usage();
  const bool range = a[0] == "range";
  const auto o = ParseOptions(a);
  if (!o || o->words.size() != (range ? 2u : 0u) || (!range && o->header)) return Usage();
  std::optional<DbDateTime> from, to;
  if (range) {
    from = Bound(o->words[0], false);
    to = Bound(o->words[1], true);
    if (!from || !to) return Usage();
  }
  const kv7::store::ConfigStore config;
  const std::filesystem::path dir =
      o->dir ? std::filesystem::path(*o->dir)
             : kv7::batches::ExportDirectory(config.ReadString("kv2", "direxp", kv7::store::Configuration{}.direxp));
  const auto format = kv7::batches::ExportFormatFrom(config);
  kv7::store::Database db;
  try {
    const auto written = range ? kv7::batches::ExportRange(db, dir, *from, *to, o->header, DbDateTime::LocalNow(), format)
                               : kv7::batches::ExportDaily(db, dir, DbDateTime::LocalNow(), format);
    if (!written.ok) return Fail(written.error);
    std::printf("%s\n", written.path.c_str());
    return 0;
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
}

static Registration reg("export", kUsage, &RunExport);

}  // namespace
}  // namespace kv7ctl
