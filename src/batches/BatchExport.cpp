#include "batches/BatchExport.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "batches/BatchRules.h"
#include "store/FileIo.h"

namespace kv7::batches {
namespace {

namespace w = exportwidth;
using store::Fixed2;

std::string WithSeparator(std::string text, const ExportFormat& format) {
  for (char& ch : text)
    if (ch == '.') ch = format.decimal;
  return text;
}

// A text as an export field: a control character (CR, LF, NUL ...) becomes
// a blank, a double quote "'", and outside quotes the field separator ";".
// One character for one, so the fixed widths hold.
std::string FieldText(std::string text, bool quoted = false) {
  for (char& ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x20 || byte == 0x7F)
      ch = ' ';
    else if (ch == '"')
      ch = '\'';
    else if (ch == ',' && !quoted)
      ch = ';';
  }
  return text;
}

std::string Share(const Fixed2& v, const ExportFormat& f) {
  return WithSeparator(store::FormatWeightShare(v), f);
}
std::string Percentage(const Fixed2& v, const ExportFormat& f) {
  return WithSeparator(store::FormatPercentage(v), f);
}

std::string Joined(const std::vector<std::string>& fields, bool trailing) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    line += fields[i];
    if (trailing || i + 1 < fields.size()) line += ',';
  }
  return line + "\r\n";
}

std::string TwoDigits(int v) {
  return std::string(1, char('0' + v / 10 % 10)) + char('0' + v % 10);
}

int DaysIn(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[(month - 1) % 12];
}

std::string Errno(const char* what, const std::filesystem::path& p) {
  return std::string(what) + " " + p.string() + ": " + std::strerror(errno);
}

// Writes and syncs a new file; on failure nothing is left behind. The
// export folder may be shared: the file is created by this call, never
// through a link someone left under its name.
bool WriteDurable(const std::filesystem::path& file, const std::string& content, std::string& error) {
  const int fd = store::CreateExclusively(file, 0644);
  if (fd < 0) {
    error = Errno("cannot create", file);
    return false;
  }
  bool ok = store::WriteAll(fd, content) && ::fsync(fd) == 0;
  if (!ok) error = Errno("cannot write", file);
  if (::close(fd) != 0 && ok) {
    error = Errno("cannot write", file);
    ok = false;
  }
  if (!ok) ::unlink(file.c_str());
  return ok;
}

constexpr int kNameAttempts = 24 * 3600;

std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Gives `from` the name `to` unless `to` exists: 1 done, 0 taken, -1 failed.
int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 1;
  if (errno == EEXIST) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return -1;
  // A file system without the flag (a network share): check, then rename.
  std::error_code ec;
  if (std::filesystem::exists(to, ec)) return 0;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 1 : -1;
}

}  // namespace

std::filesystem::path ExportDirectory(std::string direxp) {
  std::replace(direxp.begin(), direxp.end(), '\\', '/');
  return direxp;
}

ExportFormat ExportFormatFrom(const store::ConfigStore& config) {
  const auto text = config.ReadString(kExportSeparatorSection, kExportSeparatorKey, ".");
  return ExportFormat{text.empty() ? '.' : text.front()};
}

std::vector<std::string> FixedWidthFields(const store::BatchRow& row, const ExportFormat& format) {
  const auto fig = store::ComputeBatchFigures(row);
  std::vector<std::string> f{RightAligned(FieldText(row.bolla), w::kBolla),
                             RightAligned(FieldText(row.programma), w::kProgramma),
                             RightAligned(FieldText(row.codicebarre), w::kCodiceBarre),
                             RightAligned(FieldText(row.produttore), w::kProduttore),
                             RightAligned(std::to_string(row.totpartita), w::kTotPartita)};
  for (int c = 0; c < 10; ++c)
    f.push_back(RightAligned(Share(fig.ttot[0][std::size_t(c)], format), w::kShare));
  f.push_back(RightAligned(Share(fig.ttot[2][0], format), w::kShare));
  f.push_back(RightAligned(Share(fig.ttotq[4], format), w::kShare));
  for (int c = 0; c < 10; ++c)
    f.push_back(RightAligned(Percentage(fig.perc[0][std::size_t(c)], format), w::kPercentage));
  f.push_back(RightAligned(Percentage(fig.perc[2][0], format), w::kPercentage));
  f.push_back(RightAligned(Percentage(fig.percq[4], format), w::kPercentage));
  return f;
}

std::string EndOfBatchLine(const store::BatchRow& row, const ExportFormat& format) {
  return Joined(FixedWidthFields(row, format), true);
}

std::string DailyLine(const store::BatchRow& row, const ExportFormat& format) {
  return Joined(FixedWidthFields(row, format), false);
}

std::string RangeHeader() {
  std::vector<std::string> names{"lotto",     "programma", "codicebarre", "produttore", "totpartita",
                                 "operatore", "numpedane", "numcasse",    "note"};
  for (int q = 1; q <= store::kQualities; ++q)
    for (int c = 1; c <= store::kClasses; ++c) {
      const std::string suffix = std::to_string(c) + "q" + std::to_string(q);
      names.push_back("codicec" + suffix);
      names.push_back(suffix == "13q1" ? "Table3ttot13q1" : "ttot" + suffix);
    }
  names.push_back("codiceq5");
  names.push_back("ttotq5");
  for (auto& n : names) n = '"' + n + '"';
  return Joined(names, false);
}

std::string RangeLine(const store::BatchRow& row, const std::optional<store::ProgramRecord>& program,
                      const ExportFormat& format) {
  const auto fig = store::ComputeBatchFigures(row);
  std::vector<std::string> f{FieldText(row.lotto),
                             FieldText(row.programma),
                             FieldText(row.codicebarre),
                             FieldText(row.produttore),
                             std::to_string(row.totpartita),
                             FieldText(row.operatore),
                             std::to_string(row.numeropedane),
                             std::to_string(row.numerocasse),
                             '"' + FieldText(row.note, true) + '"'};
  for (std::size_t q = 0; q < store::kQualities; ++q)
    for (std::size_t c = 0; c < store::kClasses; ++c) {
      f.push_back(program ? FieldText(program->classCode[q][c]) : std::string());
      f.push_back(Share(fig.ttot[q][c], format));
    }
  f.push_back(program ? FieldText(program->rejectCode) : std::string());
  f.push_back(Share(fig.ttotq[4], format));
  return Joined(f, false);
}

std::string DailyFileName(const store::DbDateTime& d) {
  return TwoDigits(d.day) + "_" + TwoDigits(d.month) + "_" + std::to_string(d.year) + ".txt";
}

std::string RecordStem(const store::DbDateTime& t) {
  return TwoDigits(t.day) + TwoDigits(t.hour) + TwoDigits(t.minute) + TwoDigits(t.second);
}

store::DbDateTime NextSecond(store::DbDateTime t) {
  if (++t.second < 60) return t;
  t.second = 0;
  if (++t.minute < 60) return t;
  t.minute = 0;
  if (++t.hour < 24) return t;
  t.hour = 0;
  if (++t.day <= DaysIn(t.year, t.month)) return t;
  t.day = 1;
  if (++t.month <= 12) return t;
  t.month = 1;
  ++t.year;
  return t;
}

ExportWritten PrepareRecord(const std::filesystem::path& dir, const store::DbDateTime& at,
                            const std::string& line) {
  ExportWritten out;
  store::DbDateTime t = at;
  // The name holds day and time only: a day of names is every chance there is.
  for (int attempt = 0; attempt < kNameAttempts; ++attempt, t = NextSecond(t)) {
    const auto stem = RecordStem(t);
    const auto temp = dir / (stem + ".t");
    std::error_code ec;
    if (std::filesystem::exists(dir / (stem + ".txt"), ec)) continue;
    // Taken over only when it is a plain file holding this very line (a
    // crash before Publish); anything else there is someone else's.
    const auto kind = std::filesystem::symlink_status(temp, ec).type();
    if (kind != std::filesystem::file_type::not_found &&
        (kind != std::filesystem::file_type::regular || ReadWhole(temp) != line))
      continue;
    if (!WriteDurable(temp, line, out.error)) return out;
    out.ok = true;
    out.path = temp;
    out.at = t;
    return out;
  }
  out.error = "no free name left in " + dir.string();
  return out;
}

ExportWritten PublishRecord(const std::filesystem::path& dir, const store::DbDateTime& preparedAt) {
  ExportWritten out;
  const auto temp = dir / (RecordStem(preparedAt) + ".t");
  store::DbDateTime t = preparedAt;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt, t = NextSecond(t)) {
    const auto final = dir / (RecordStem(t) + ".txt");
    const int renamed = RenameNoReplace(temp, final);
    if (renamed == 0) continue;
    if (renamed < 0) {
      const int why = errno;
      out.error = Errno("cannot rename", temp);
      std::error_code ec;
      out.gone = why == ENOENT && std::filesystem::is_directory(dir, ec);
      return out;
    }
    store::SyncDirectory(dir);
    out.ok = true;
    out.path = final;
    out.at = t;
    return out;
  }
  out.error = "no free name left in " + dir.string();
  return out;
}

ExportWritten WriteEndOfBatchRecord(const std::filesystem::path& dir, const store::DbDateTime& at,
                                    const std::string& line) {
  auto prepared = PrepareRecord(dir, at, line);
  if (!prepared.ok) return prepared;
  auto published = PublishRecord(dir, prepared.at);
  if (!published.ok) ::unlink(prepared.path.c_str());
  return published;
}

ExportWritten WriteExportFile(const std::filesystem::path& file, const std::string& content) {
  ExportWritten out;
  auto temp = file;
  temp.replace_extension(".t");
  if (!WriteDurable(temp, content, out.error)) return out;
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    out.error = Errno("cannot rename", temp);
    ::unlink(temp.c_str());
    return out;
  }
  store::SyncDirectory(file.parent_path());
  out.ok = true;
  out.path = file;
  return out;
}

}  // namespace kv7::batches
