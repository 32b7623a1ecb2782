#include "store/InstallationBackup.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "store/Configuration.h"
#include "store/PasswordHash.h"
#include "store/SideFiles.h"

namespace kv7::store {
namespace {

constexpr const char* kSection = "kv2";
constexpr std::string_view kString = "String(";
constexpr std::string_view kInteger = "Integer(";

// One line of the backup without its line end. nullopt for a line to skip;
// sets damaged when the line is one of ours but cannot be used.
std::optional<StoredValue> ParseLine(std::string_view line, bool& damaged) {
  damaged = false;
  auto at = line.find(kString);
  const bool isText = at != std::string_view::npos;
  std::string_view tag = kString;
  if (!isText) {
    at = line.find(kInteger);
    if (at == std::string_view::npos) return std::nullopt;
    tag = kInteger;
  }
  const auto nameStart = at + tag.size();
  const auto close = line.find(")=", nameStart);
  if (close == std::string_view::npos || close == nameStart) {
    damaged = true;
    return std::nullopt;
  }
  StoredValue v;
  v.name = std::string(line.substr(nameStart, close - nameStart));
  std::string_view value = line.substr(close + 2);
  if (isText) {
    v.type = ValueType::Text;
    v.text = std::string(value);
    return v;
  }
  auto n = ParseStoredNumber(value);
  if (!n) {
    damaged = true;
    return std::nullopt;
  }
  v.type = ValueType::Dword;
  v.dword = *n;
  return v;
}

// Whether a backup's value may be restored: a key of the record in "kv2",
// of the type the record saves it as; a password only as a hash, so a clear
// text never comes back into the store.
bool KnownSetting(const StoredValue& v) {
  Configuration record;
  for (const auto& f : ConfigurationFields(record)) {
    if (f.key != v.name || std::string_view(f.section) != kSection) continue;
    const ValueType saved = f.kind == FieldKind::Dword ? ValueType::Dword : ValueType::Text;
    if (v.type != saved) return false;
    return !v.name.starts_with("password") || password_hash::IsHash(v.text);
  }
  return false;
}

}  // namespace

bool ExportInstallation(const ConfigStore& store, const std::filesystem::path& file,
                        const ReportSink& report) {
  auto values = store.OpenSection(kSection);
  if (!values) {
    // An empty backup in place of a good one would lose it.
    Tell(report, file.string() + ": not written, the configuration store has no section \"kv2\"");
    return false;
  }
  std::string text;
  for (const auto& v : *values) {
    if (v.type == ValueType::Text)
      text += "String(" + v.name + ")=" + v.text + "\r\n";
    else
      text += "Integer(" + v.name + ")=" + std::to_string(v.dword) + "\r\n";
  }
  // It carries the installation's passwords, and often goes to a USB key.
  return ReplaceSideFile(file, text, report, 0600);
}

std::optional<std::vector<StoredValue>> ReadInstallationBackup(const std::filesystem::path& file,
                                                               const ReportSink& report) {
  auto bytes = ReadSideFile(file, report);
  if (!bytes) return std::nullopt;
  std::vector<StoredValue> values;
  std::size_t start = 0;
  int lineNo = 0;
  for (std::size_t lf; (lf = bytes->find('\n', start)) != std::string::npos; start = lf + 1) {
    ++lineNo;
    std::string_view line(bytes->data() + start, lf - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    bool damaged = false;
    auto v = ParseLine(line, damaged);
    if (damaged) {
      // A half-restored installation is worse than none: the store stays as it was.
      Tell(report, file.string() + ":" + std::to_string(lineNo) + ": damaged line; nothing restored");
      return std::nullopt;
    }
    if (v && KnownSetting(*v)) values.push_back(std::move(*v));
  }
  if (start < bytes->size())
    Tell(report, file.string() + ":" + std::to_string(lineNo + 1) +
                     ": last line has no line end (file cut short?); left out");
  return values;
}

std::size_t ChangedSettings(const ConfigStore& store, const std::vector<StoredValue>& values) {
  std::size_t changed = 0;
  for (const auto& v : values) {
    const auto held = store.Find(kSection, v.name);
    if (!held || held->type != v.type || held->text != v.text || held->dword != v.dword) ++changed;
  }
  return changed;
}

bool RestoreInstallation(ConfigStore& store, const std::vector<StoredValue>& values, const std::filesystem::path& file,
                         const ReportSink& report) {
  if (!store.SectionExists(kSection)) {
    Tell(report, file.string() + ": not restored, the configuration store has no section \"kv2\"");
    return false;
  }
  std::vector<ConfigStore::SectionValue> writes;
  for (const auto& v : values) writes.push_back({kSection, v});
  if (!store.WriteValues(writes)) {
    Tell(report, store.FilePath().string() + ": cannot be written; nothing restored");
    return false;
  }
  return true;
}

bool ImportInstallation(ConfigStore& store, const std::filesystem::path& file, const ReportSink& report) {
  const auto values = ReadInstallationBackup(file, report);
  if (!values) return false;
  if (values->empty()) {
    Tell(report, file.string() + ": holds no setting of the installation; nothing restored");
    return false;
  }
  return RestoreInstallation(store, *values, file, report);
}

}  // namespace kv7::store
