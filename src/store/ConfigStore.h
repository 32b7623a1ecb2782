#pragma once
// The configuration store: the machine's settings under a root key with
// sections of named text and 32-bit integer values. On the PCs this ran on
// it was the registry; here it is one readable text file per root, replaced
// atomically on every write so that a power loss leaves the old or the new
// file, never a torn one. It holds the installation's passwords, so it is
// written for its owner only (mode 0600).
//
// The file is the installation's only copy of its settings, so the store
// never writes over what it could not read: a file that exists but cannot be
// read (no permission, not a regular file, bytes no text file holds) makes
// ReadError() say so and every write fail; a line it cannot parse is
// reported (once), kept and written back by every later write, and the file
// as it was is copied aside ("<file>.<date>-<time>.copy") before this
// store's first write.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kv7::store {

enum class ValueType { Text, Dword };

struct StoredValue {
  std::string name;
  ValueType type = ValueType::Text;
  std::string text;     // Text values
  std::int32_t dword = 0;  // Dword values
};

// Receives one line per problem found while loading the file
// ("path:line: what is wrong"). Loading goes on after each.
using StoreWarning = std::function<void(const std::string&)>;

// Whether a value of that name holds a secret (a password or its hash):
// any name with "passw" in it, in any case. Listings mask such values.
bool HoldsSecret(const std::string& name);

class ConfigStore {
 public:
  static constexpr const char* kDefaultRoot = "Brem elettronica snc";

  // $KV7_CONFIG_DIR, else $XDG_CONFIG_HOME/kv7, else ~/.config/kv7.
  static std::filesystem::path DefaultDirectory();

  explicit ConfigStore(std::string root = kDefaultRoot,
                       std::filesystem::path directory = DefaultDirectory(),
                       StoreWarning warn = {});

  const std::filesystem::path& FilePath() const { return path_; }

  // Reads never create anything. A missing key (or section) gives the default.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // A Dword value as stored; a Text value when it holds a whole decimal
  // number; otherwise the default.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t def) const;
  std::optional<StoredValue> Find(const std::string& section, const std::string& key) const;

  // Writes create the section when missing and reach the disk before they
  // return. They return false (and change nothing on disk) when the file
  // cannot be written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  bool DeleteValue(const std::string& section, const std::string& key);

  // Several values in one replacement of the file: all of them are stored or
  // none is. Later entries for the same name win; sections are created.
  struct SectionValue {
    std::string section;
    StoredValue value;
  };
  bool WriteValues(const std::vector<SectionValue>& values);

  // Opening a section without creating it: nullopt when it does not exist,
  // otherwise its values in stored order.
  std::optional<std::vector<StoredValue>> OpenSection(const std::string& section) const;
  bool SectionExists(const std::string& section) const;
  // Creates an empty section (no-op when it exists).
  bool CreateSection(const std::string& section);

  // Picks up changes other processes (kv7ctl, the simulator) made on disk.
  void Reload() const;

  // "<file>: <reason>" while the file exists but cannot be read; the values
  // read last stay in memory (none when it never could be read).
  const std::optional<std::string>& ReadError() const { return readError_; }

 private:
  struct Section {
    std::string name;
    std::vector<StoredValue> values;
    std::vector<std::string> kept;  // lines that could not be parsed, as they were
    bool header = true;             // false: lines before any (readable) section header
  };
  using Sections = std::vector<Section>;
  struct Loaded {
    Sections sections;
    std::optional<std::string> error;  // the file exists but cannot be read
    std::string bytes;                 // as read
    bool damaged = false;              // some line could not be parsed
  };

  void RefreshIfChanged() const;
  Loaded LoadFile(const StoreWarning& warn) const;
  void Take(Loaded&& loaded) const;
  bool CopyAside(const std::string& bytes);
  bool Modify(const std::function<void(Sections&)>& change);
  bool WriteFile(const Sections& sections) const;
  static const Section* FindSection(const Sections& s, const std::string& name);

  std::string root_;
  std::filesystem::path path_;
  StoreWarning warn_;
  mutable Sections sections_;
  mutable std::optional<std::filesystem::file_time_type> loadedTime_;
  mutable std::uintmax_t loadedSize_ = 0;
  mutable std::optional<std::string> readError_;
  mutable std::set<std::string> reported_;  // damaged lines already warned about
  bool copiedAside_ = false;
};

}  // namespace kv7::store
