#include "batches/BatchJournal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "batches/BatchArchive.h"
#include "batches/BatchNumbering.h"
#include "batches/BatchRules.h"
#include "batches/KillPoint.h"
#include "store/DbServers.h"
#include "store/Configuration.h"
#include "store/FileIo.h"

namespace kv7::batches {
namespace {

namespace fs = std::filesystem;
constexpr const char* kMagic = "kv7 bolla 1";
constexpr const char* kSuffix = ".bolla";

std::string Escaped(const std::string& v) {
  std::string out;
  for (char ch : v) {
    if (ch == '\\')
      out += "\\\\";
    else if (ch == '\n')
      out += "\\n";
    else if (ch == '\r')
      out += "\\r";
    else
      out += ch;
  }
  return out;
}

std::string Unescaped(const std::string& v) {
  std::string out;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] != '\\' || i + 1 == v.size()) {
      out += v[i];
      continue;
    }
    const char next = v[++i];
    out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return out;
}

std::string ClassKey(std::size_t c, std::size_t q) {
  return "tot" + std::to_string(c + 1) + "q" + std::to_string(q + 1);
}

std::vector<std::pair<std::string, std::string>> Fields(const JournalEntry& e) {
  const auto& r = e.row;
  std::vector<std::pair<std::string, std::string>> f{{"id", e.id},
                                                     {"ended", e.ended.ToString()},
                                                     {"stored", e.stored ? "1" : "0"},
                                                     {"exported", e.exported ? "1" : "0"},
                                                     {"exportat", e.exportAt ? e.exportAt->ToString() : ""},
                                                     {"num", std::to_string(r.num)},
                                                     {"data", r.data ? r.data->ToString() : ""},
                                                     {"programma", r.programma},
                                                     {"bolla", r.bolla},
                                                     {"codicebarre", r.codicebarre},
                                                     {"produttore", r.produttore},
                                                     {"note", r.note},
                                                     {"totpartita", std::to_string(r.totpartita)},
                                                     {"totq5", std::to_string(r.totq5)},
                                                     {"numerocasse", std::to_string(r.numerocasse)},
                                                     {"numeropedane", std::to_string(r.numeropedane)},
                                                     {"lotto", r.lotto},
                                                     {"operatore", r.operatore},
                                                     {"macchina", std::to_string(r.macchina)},
                                                     {"refused", e.refusal}};
  for (std::size_t q = 0; q < store::kQualities; ++q)
    for (std::size_t c = 0; c < store::kClasses; ++c)
      f.emplace_back(ClassKey(c, q), std::to_string(r.tot[q][c]));
  return f;
}

std::string Serialised(const JournalEntry& e) {
  std::string s = std::string(kMagic) + "\n";
  for (const auto& [k, v] : Fields(e)) s += k + "=" + Escaped(v) + "\n";
  return s + "end\n";  // a file without it was never written whole
}

std::int64_t Number(const std::map<std::string, std::string>& m, const std::string& key) {
  auto it = m.find(key);
  return it == m.end() ? 0 : IntegerOrZero(it->second);
}

bool Parse(const std::string& text, JournalEntry& e) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kMagic) return false;
  std::map<std::string, std::string> m;
  bool complete = false;
  while (std::getline(in, line)) {
    if (line == "end") complete = true;
    auto eq = line.find('=');
    if (eq != std::string::npos) m[line.substr(0, eq)] = Unescaped(line.substr(eq + 1));
  }
  auto ended = store::DbDateTime::Parse(m["ended"]);
  if (!complete || m["id"].empty() || !ended) return false;
  e.id = m["id"];
  e.ended = *ended;
  e.stored = m["stored"] == "1";
  e.exported = m["exported"] == "1";
  e.exportAt = store::DbDateTime::Parse(m["exportat"]);
  e.refusal = m["refused"];
  auto& r = e.row;
  r.num = Number(m, "num");
  r.data = store::DbDateTime::Parse(m["data"]);
  r.programma = m["programma"], r.bolla = m["bolla"], r.codicebarre = m["codicebarre"];
  r.produttore = m["produttore"], r.note = m["note"], r.lotto = m["lotto"], r.operatore = m["operatore"];
  r.totpartita = Number(m, "totpartita"), r.totq5 = Number(m, "totq5");
  r.numerocasse = Number(m, "numerocasse"), r.numeropedane = Number(m, "numeropedane");
  // 0: written before entries named their machine; Store gives it the replaying one's.
  r.macchina = Number(m, "macchina");
  for (std::size_t q = 0; q < store::kQualities; ++q)
    for (std::size_t c = 0; c < store::kClasses; ++c) r.tot[q][c] = Number(m, ClassKey(c, q));
  return true;
}

std::string FileName(std::uint64_t seq, const std::string& id) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%010llu", static_cast<unsigned long long>(seq));
  return std::string(buf) + "-" + id + kSuffix;
}

std::string LogLabel(const std::string& id) {
  return "Giornale " + id;
}

// Back-off of the connection attempts while the archive stays away: the
// first retry comes with the next minute's replay, then ever more rarely.
constexpr std::chrono::seconds kFirstBackoff{30};
constexpr std::chrono::seconds kLongestBackoff{600};

constexpr const char* kCountingFile = "lavorprec";

// One replay at a time on a journal, across processes (console and kv7ctl).
class PassLock {
 public:
  explicit PassLock(const fs::path& dir)
      : fd_(::open((dir / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    held_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
  }
  ~PassLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  PassLock(const PassLock&) = delete;
  PassLock& operator=(const PassLock&) = delete;
  bool Held() const { return held_; }

 private:
  int fd_;
  bool held_ = false;
};

}  // namespace

BatchJournal::BatchJournal(fs::path dir, LogSink log) : dir_(std::move(dir)), log_(std::move(log)) {
  std::error_code ec;
  fs::create_directories(dir_, ec);
}

void BatchJournal::Log(const std::string& text) const {
  if (log_) log_(FirstChars(text, kLogTextWidth) + "\r\n");
}

void BatchJournal::Write(const JournalEntry& e) const {
  const auto folder = e.file.parent_path();
  const auto temp = folder / (e.file.filename().string() + ".tmp");
  const std::string content = Serialised(e);
  const int fd = store::CreateExclusively(temp, 0644);
  bool ok = fd >= 0 && store::WriteAll(fd, content) && ::fsync(fd) == 0;
  const std::string why = std::strerror(errno);
  if (fd >= 0) ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), e.file.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    Log("Giornale: scrittura di " + e.file.string() + " fallita: " + why);
    throw JournalError("cannot write " + e.file.string() + ": " + why);
  }
  // Not a failure when it fails: the entry is in place, and calling it
  // unsaved would invite a second F9 for the same batch.
  store::SyncDirectory(folder);
}

JournalEntry BatchJournal::Add(const store::BatchRow& row, const store::DbDateTime& ended) {
  std::error_code ec;
  fs::create_directories(dir_, ec);
  JournalEntry e;
  // Refused entries keep their numbers: a new one comes after them all.
  for (const auto& list : {Entries(), Refused()})
    if (!list.empty()) e.seq = std::max(e.seq, list.back().seq);
  ++e.seq;
  e.id = NewBatchIdentity();
  e.ended = ended;
  e.row = row;
  e.row.num = 0;
  // The journal holds the batch as the archive and the record will hold it.
  FitForArchive(e.row, LogLabel(e.id), log_);
  e.file = dir_ / FileName(e.seq, e.id);
  Write(e);
  Log("Giornale: bolla " + e.row.bolla + " in attesa (" + e.id + ")");
  return e;
}

std::vector<JournalEntry> BatchJournal::Entries() const {
  return EntriesIn(dir_);
}

std::vector<JournalEntry> BatchJournal::Refused() const {
  return EntriesIn(RefusedDir());
}

std::vector<JournalEntry> BatchJournal::EntriesIn(const fs::path& dir) const {
  std::vector<JournalEntry> list;
  std::error_code ec;
  for (const auto& item : fs::directory_iterator(dir, ec)) {
    const auto name = item.path().filename().string();
    if (item.path().extension() != kSuffix) continue;
    std::ifstream in(item.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    JournalEntry e;
    if (!in || !Parse(text.str(), e)) {
      Log("Giornale: voce illeggibile lasciata in " + item.path().string());
      continue;
    }
    e.file = item.path();
    e.seq = std::strtoull(name.c_str(), nullptr, 10);
    list.push_back(std::move(e));
  }
  std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.seq < b.seq; });
  return list;
}

std::int64_t BatchJournal::Store(store::Database& db, JournalEntry& e) {
  store::BatchRow row = e.row;
  if (row.macchina < store::kFirstMachine) row.macchina = db.Machine();
  FitForArchive(row, LogLabel(e.id), log_);
  if (StoreOnce(db, row, e.id).earlier)
    Log("Giornale: bolla " + e.id + " gia' archiviata come num " + std::to_string(row.num));
  KillPoint("stored");
  e.stored = true;
  e.row.num = row.num;
  return row.num;
}

bool BatchJournal::Export(JournalEntry& e, const fs::path& exportDir, const ExportFormat& format) {
  // The prepared name goes to the journal before the rename: after a crash
  // the rename is finished, or found done, never the record written again.
  if (!e.exportAt) {
    auto prepared = PrepareRecord(exportDir, e.ended, EndOfBatchLine(e.row, format));
    if (!prepared.ok) {
      Log("Giornale: record della bolla " + e.row.bolla + " in attesa (" + e.id + "): " + prepared.error);
      return false;
    }
    e.exportAt = prepared.at;
    try {
      Write(e);
    } catch (const JournalError&) {
      ::unlink(prepared.path.c_str());
      e.exportAt.reset();
      return false;
    }
  }
  KillPoint("prepared");
  auto published = PublishRecord(exportDir, *e.exportAt);
  KillPoint("published");
  if (!published.ok && !published.gone) {
    Log("Giornale: record della bolla " + e.row.bolla + " in attesa (" + e.id + "): " + published.error);
    return false;
  }
  e.exported = true;
  Log("Giornale: record della bolla " + e.row.bolla +
      (published.ok ? " scritto in " + published.path.string() : std::string(" gia' scritto")));
  return true;
}

void BatchJournal::Retire(const JournalEntry& e) {
  if (::unlink(e.file.c_str()) != 0 && errno != ENOENT) {
    Log("Giornale: voce " + e.file.string() + " non rimossa: " + std::strerror(errno));
    return;
  }
  store::SyncDirectory(dir_);
}

bool BatchJournal::SetCountingBatch(const std::string& number) {
  const auto file = dir_ / kCountingFile;
  if (number.empty()) return ::unlink(file.c_str()) == 0 || errno == ENOENT;
  auto written = WriteExportFile(file, number + "\n");
  if (!written.ok) Log("Giornale: lavorazione in corso non salvata: " + written.error);
  return written.ok;
}

std::optional<std::string> BatchJournal::CountingBatch() const {
  std::ifstream in(dir_ / kCountingFile);
  std::string number;
  if (!std::getline(in, number) || number.empty()) return std::nullopt;
  return number;
}

void BatchJournal::Refuse(JournalEntry& e, const std::string& message) {
  e.refusal = message;
  Log("Giornale: bolla " + e.row.bolla + " rifiutata dall'archivio (" + e.id + "): " + message);
  const fs::path target = RefusedDir() / e.file.filename();
  std::error_code ec;
  fs::create_directories(RefusedDir(), ec);
  try {
    Write(e);  // the message goes with the entry
  } catch (const JournalError&) {
    return;  // still in the journal: the next replay refuses it again
  }
  if (::rename(e.file.c_str(), target.c_str()) != 0) {
    Log("Giornale: voce " + e.file.string() + " non spostata: " + std::strerror(errno));
    return;
  }
  store::SyncDirectory(RefusedDir());
  store::SyncDirectory(dir_);
  e.file = target;
}

bool BatchJournal::Retry(const std::string& id) {
  for (auto& e : Refused()) {
    if (e.id != id) continue;
    const fs::path target = dir_ / e.file.filename();
    e.refusal.clear();
    try {
      Write(e);
    } catch (const JournalError&) {
      return false;
    }
    if (::rename(e.file.c_str(), target.c_str()) != 0) {
      Log("Giornale: voce " + e.file.string() + " non spostata: " + std::strerror(errno));
      return false;
    }
    store::SyncDirectory(dir_);
    store::SyncDirectory(RefusedDir());
    Log("Giornale: bolla " + e.row.bolla + " di nuovo in attesa (" + e.id + ")");
    return true;
  }
  return false;
}

void BatchJournal::NoteServer(const store::Database& db) {
  // With several servers in the address the log says where batches go,
  // and when they start going elsewhere.
  const std::string server = db.ServerInUse();
  if (server == server_ || store::ServersOf(db.Params().host, db.Params().port).size() < 2) return;
  server_ = server;
  Log("Giornale: archivio su " + server);
}

bool BatchJournal::ArchiveWorthTrying(const store::Database& db) const {
  return db.IsConnected() || clock_() >= nextConnect_;
}

void BatchJournal::ArchiveAway() {
  backoff_ = std::clamp(backoff_ * 2, kFirstBackoff, kLongestBackoff);
  nextConnect_ = clock_() + backoff_;
  Log("Giornale: archivio non raggiungibile, nuovo tentativo fra " + std::to_string(backoff_.count()) + " s");
}

ReplaySummary BatchJournal::Replay(store::Database& db, const fs::path& exportDir,
                                   const ExportFormat& format) {
  ReplaySummary s;
  const PassLock lock(dir_);
  if (!lock.Held()) {
    for (const auto& e : Entries()) {
      s.waitingBatches += e.stored ? 0 : 1;
      s.waitingRecords += e.exported ? 0 : 1;
    }
    s.refusedBatches = static_cast<int>(Refused().size());
    return s;
  }
  bool dbUp = ArchiveWorthTrying(db);
  for (auto& e : Entries()) {
    const bool wasStored = e.stored, wasExported = e.exported;
    // An entry journaled before its texts were fitted is fitted now, once.
    const bool fitted = FitForArchive(e.row, LogLabel(e.id), log_);
    if (!e.stored && dbUp) {
      try {
        const auto num = Store(db, e);
        ++s.stored;
        backoff_ = std::chrono::seconds{0};
        NoteServer(db);
        Log("Giornale: bolla " + e.row.bolla + " archiviata come num " + std::to_string(num) + " (" + e.id +
            ")");
      } catch (const store::DbError& err) {
        if (err.IsContentError()) {
          Refuse(e, err.what());
          s.refused.push_back({e.id, e.row.bolla, err.what()});
          continue;
        }
        dbUp = false;
        Log("Giornale: bolla " + e.row.bolla + " non archiviata (" + e.id + "): " + err.what());
        if (!db.IsConnected()) ArchiveAway();
      }
    }
    if (!e.exported && Export(e, exportDir, format)) ++s.exported;
    if (e.stored && e.exported) {
      Retire(e);
      KillPoint("retired");
      continue;
    }
    s.waitingBatches += e.stored ? 0 : 1;
    s.waitingRecords += e.exported ? 0 : 1;
    if (fitted || e.stored != wasStored || e.exported != wasExported) {
      try {
        Write(e);  // keeps what is done; the identity table guards the rest
      } catch (const JournalError&) {
      }
    }
  }
  s.refusedBatches = static_cast<int>(Refused().size());
  return s;
}

}  // namespace kv7::batches
