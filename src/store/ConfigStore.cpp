#include "store/ConfigStore.h"

#include "store/FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

namespace kv7::store {
namespace {

// Values are byte strings: anything that could break the line layout is escaped.
std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          static const char* hex = "0123456789abcdef";
          out += "\\x";
          out += hex[c >> 4];
          out += hex[c & 15];
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses a quoted string starting at pos; advances pos past the closing quote.
std::optional<std::string> Unquote(const std::string& line, std::size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  std::string out;
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return out;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++pos >= line.size()) return std::nullopt;
    switch (line[pos]) {
      case '\\': out += '\\'; break;
      case '"': out += '"'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'x': {
        if (pos + 2 >= line.size()) return std::nullopt;
        int hi = HexDigit(line[pos + 1]), lo = HexDigit(line[pos + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        pos += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

void SkipBlanks(const std::string& line, std::size_t& pos) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
}

std::optional<std::int32_t> ParseDecimal(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  s.remove_prefix(i);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  std::int32_t v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size() || s.empty()) return std::nullopt;
  return v;
}

// One "text" or "dword" line from pos (after leading blanks); nullopt when
// the line is not one the store wrote.
std::optional<StoredValue> ParseValueLine(const std::string& line, std::size_t pos) {
  std::size_t kwEnd = line.find(' ', pos);
  std::string kind = line.substr(pos, kwEnd == std::string::npos ? std::string::npos : kwEnd - pos);
  pos = kwEnd == std::string::npos ? line.size() : kwEnd;
  SkipBlanks(line, pos);
  auto name = Unquote(line, pos);
  SkipBlanks(line, pos);
  if (!name || (kind != "text" && kind != "dword")) return std::nullopt;
  StoredValue v;
  v.name = *name;
  if (kind == "text") {
    auto text = Unquote(line, pos);
    if (!text) return std::nullopt;
    v.text = *text;
  } else {
    v.type = ValueType::Dword;
    std::size_t end = pos;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
    auto num = ParseDecimal(std::string_view(line).substr(pos, end - pos));
    if (!num) return std::nullopt;
    v.dword = *num;
    pos = end;
  }
  SkipBlanks(line, pos);
  if (pos != line.size()) return std::nullopt;
  return v;
}

// Held for the whole read-modify-write so that two processes writing the
// store at once (the console and kv7ctl, say) do not lose each other's values.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& p)
      : fd_(::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

}  // namespace

bool HoldsSecret(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("passw") != std::string::npos;
}

std::filesystem::path ConfigStore::DefaultDirectory() {
  if (const char* d = std::getenv("KV7_CONFIG_DIR"); d && *d) return d;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return std::filesystem::path(x) / "kv7";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / ".config" / "kv7";
}

ConfigStore::ConfigStore(std::string root, std::filesystem::path directory, StoreWarning warn)
    : root_(std::move(root)), path_(std::move(directory) / (root_ + ".conf")), warn_(std::move(warn)) {
  Reload();
}

void ConfigStore::Reload() const {
  Take(LoadFile(warn_));
}

void ConfigStore::Take(Loaded&& loaded) const {
  readError_ = std::move(loaded.error);
  if (!readError_) sections_ = std::move(loaded.sections);
}

void ConfigStore::RefreshIfChanged() const {
  std::error_code ec;
  auto t = std::filesystem::last_write_time(path_, ec);
  if (ec) {
    if (loadedTime_ || readError_) Reload();
    return;
  }
  auto size = std::filesystem::file_size(path_, ec);
  if (!loadedTime_ || *loadedTime_ != t || loadedSize_ != size) Reload();
}

ConfigStore::Loaded ConfigStore::LoadFile(const StoreWarning& warn) const {
  Loaded result;
  std::error_code ec;
  loadedTime_.reset();
  loadedSize_ = 0;
  if (auto error = ReadWholeFile(path_, result.bytes)) {
    // No file yet (or no folder for it): a new installation, on defaults.
    if (error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory)
      result.error = path_.string() + ": " + error.message();
    return result;
  }
  // The store writes every control byte escaped; NUL bytes are what a write
  // torn by a power loss leaves on some file systems.
  if (result.bytes.find('\0') != std::string::npos) {
    result.error = path_.string() + ": holds NUL bytes, not a configuration text";
    return result;
  }
  loadedTime_ = std::filesystem::last_write_time(path_, ec);
  if (ec) loadedTime_.reset();
  loadedSize_ = result.bytes.size();

  // A kept line is reported once: it is read again after every write.
  auto complain = [&](int lineNo, const std::string& raw, const std::string& what) {
    result.damaged = true;
    if (warn && reported_.insert(raw).second) warn(path_.string() + ":" + std::to_string(lineNo) + ": " + what);
  };
  Sections& all = result.sections;
  // Indexes, not pointers: the vector grows while it is read.
  int current = -1;   // the section values go to
  int unplaced = -1;  // where lines outside any readable section are kept
  auto keepUnplaced = [&](const std::string& raw) {
    if (unplaced < 0) {
      all.push_back({{}, {}, {}, false});
      unplaced = static_cast<int>(all.size()) - 1;
    }
    all[static_cast<std::size_t>(unplaced)].kept.push_back(raw);
  };
  std::istringstream in(result.bytes);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t pos = 0;
    SkipBlanks(line, pos);
    if (pos == line.size() || line[pos] == '#') continue;
    if (line[pos] == '[') {
      auto close = line.rfind(']');
      current = -1;
      unplaced = -1;
      if (close == std::string::npos || close <= pos) {
        complain(lineNo, raw, "damaged section header, kept with the lines below it");
        keepUnplaced(raw);
        continue;
      }
      std::string name = line.substr(pos + 1, close - pos - 1);
      for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].header && all[i].name == name) current = static_cast<int>(i);
      if (current < 0) {
        all.push_back({name, {}, {}, true});
        current = static_cast<int>(all.size()) - 1;
      }
      continue;
    }
    if (current < 0) {
      complain(lineNo, raw, "value outside any section, kept as it is");
      keepUnplaced(raw);
      continue;
    }
    Section& section = all[static_cast<std::size_t>(current)];
    auto v = ParseValueLine(line, pos);
    if (!v) {
      complain(lineNo, raw, "damaged value line, kept as it is");
      section.kept.push_back(raw);
      continue;
    }
    bool replaced = false;
    for (auto& existing : section.values)
      if (existing.name == v->name) {
        existing = *v;
        replaced = true;
      }
    if (!replaced) section.values.push_back(std::move(*v));
  }
  return result;
}

const ConfigStore::Section* ConfigStore::FindSection(const Sections& s, const std::string& name) {
  for (const auto& sec : s)
    if (sec.header && sec.name == name) return &sec;
  return nullptr;
}

std::optional<StoredValue> ConfigStore::Find(const std::string& section, const std::string& key) const {
  RefreshIfChanged();
  if (const Section* s = FindSection(sections_, section))
    for (const auto& v : s->values)
      if (v.name == key) return v;
  return std::nullopt;
}

std::string ConfigStore::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  auto v = Find(section, key);
  if (!v) return def;
  return v->type == ValueType::Text ? v->text : std::to_string(v->dword);
}

std::int32_t ConfigStore::ReadInteger(const std::string& section, const std::string& key,
                                      std::int32_t def) const {
  auto v = Find(section, key);
  if (!v) return def;
  if (v->type == ValueType::Dword) return v->dword;
  return ParseDecimal(v->text).value_or(def);
}

bool ConfigStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  return WriteValues({{section, StoredValue{key, ValueType::Text, value, 0}}});
}

bool ConfigStore::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
  return WriteValues({{section, StoredValue{key, ValueType::Dword, {}, value}}});
}

bool ConfigStore::WriteValues(const std::vector<SectionValue>& values) {
  return Modify([&](Sections& all) {
    for (const auto& [section, v] : values) {
      Section* target = nullptr;
      for (auto& s : all)
        if (s.header && s.name == section) target = &s;
      if (!target) {
        all.push_back({section, {}, {}, true});
        target = &all.back();
      }
      bool replaced = false;
      for (auto& existing : target->values)
        if (existing.name == v.name) {
          existing = v;
          replaced = true;
        }
      if (!replaced) target->values.push_back(v);
    }
  });
}

bool ConfigStore::DeleteValue(const std::string& section, const std::string& key) {
  return Modify([&](Sections& all) {
    for (auto& s : all)
      if (s.header && s.name == section) std::erase_if(s.values, [&](const StoredValue& v) { return v.name == key; });
  });
}

bool ConfigStore::CreateSection(const std::string& section) {
  return Modify([&](Sections& all) {
    if (!FindSection(all, section)) all.push_back({section, {}, {}, true});
  });
}

std::optional<std::vector<StoredValue>> ConfigStore::OpenSection(const std::string& section) const {
  RefreshIfChanged();
  if (const Section* s = FindSection(sections_, section)) return s->values;
  return std::nullopt;
}

bool ConfigStore::SectionExists(const std::string& section) const {
  RefreshIfChanged();
  return FindSection(sections_, section) != nullptr;
}

bool ConfigStore::Modify(const std::function<void(Sections&)>& change) {
  std::error_code ec;
  std::filesystem::create_directories(path_.parent_path(), ec);
  FileLock lock(path_.string() + ".lock");
  // Start from what is on disk now: another process may have written since
  // this one loaded. Its warnings were already given on the first load.
  Loaded fresh = LoadFile({});
  if (fresh.error) {
    // Writing now would put the few values in hand over everything else.
    readError_ = std::move(fresh.error);
    return false;
  }
  if (fresh.damaged && !CopyAside(fresh.bytes)) {
    Reload();
    return false;
  }
  change(fresh.sections);
  if (!WriteFile(fresh.sections)) {
    Reload();
    return false;
  }
  sections_ = std::move(fresh.sections);
  readError_.reset();
  loadedTime_ = std::filesystem::last_write_time(path_, ec);
  if (ec) loadedTime_.reset();
  loadedSize_ = std::filesystem::file_size(path_, ec);
  return true;
}

bool ConfigStore::CopyAside(const std::string& bytes) {
  if (copiedAside_) return true;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, ".%Y%m%d-%H%M%S", &local);
  const std::string name = path_.filename().string() + stamp;
  // The copy may hold the installation password: for the owner only.
  if (WriteNewFile(path_.parent_path(), name, ".copy", bytes, 0600)) return false;
  copiedAside_ = true;
  return true;
}

bool ConfigStore::WriteFile(const Sections& sections) const {
  std::ostringstream out;
  out << "# KV7 configuration store \"" << root_ << "\".\n"
      << "# One value a line:  text \"name\" \"value\"   or   dword \"name\" 123\n";
  for (const auto& s : sections) {
    out << '\n';
    if (s.header) out << '[' << s.name << "]\n";
    for (const auto& v : s.values) {
      if (v.type == ValueType::Text)
        out << "text " << Quote(v.name) << ' ' << Quote(v.text) << '\n';
      else
        out << "dword " << Quote(v.name) << ' ' << v.dword << '\n';
    }
    for (const auto& line : s.kept) out << line << '\n';
  }
  // The store holds the installation's passwords: the owner's only.
  return !WriteFileDurably(path_, out.str(), 0600);
}

}  // namespace kv7::store
