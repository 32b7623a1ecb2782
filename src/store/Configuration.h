#pragma once
// The configuration record: every machine-specific and operator-chosen
// setting, read from the configuration store once at start-up and written
// back whenever a window changes a value. Field names are the store's key
// names; keys with blanks or dashes in the store ("durata magneti",
// "prod-oraria") use underscores here. ConfigurationFields() maps each field
// to its store key.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "store/ConfigStore.h"
#include "store/ConfigurationReport.h"

namespace kv7::store {

// A run of numbered keys (inenc1..inenc6, limpercq2..limpercq5) indexed by the
// key's own number: inenc[3] is inenc3. A number outside First..Last throws.
template <typename T, int First, int Last>
class Numbered {
 public:
  static constexpr int kFirst = First;
  static constexpr int kLast = Last;

  constexpr Numbered() : values_{} {}
  constexpr explicit Numbered(T fill) { values_.fill(fill); }

  T& operator[](int n) { return values_.at(static_cast<std::size_t>(n - First)); }
  const T& operator[](int n) const { return values_.at(static_cast<std::size_t>(n - First)); }
  auto begin() { return values_.begin(); }
  auto end() { return values_.end(); }
  auto begin() const { return values_.begin(); }
  auto end() const { return values_.end(); }
  bool operator==(const Numbered&) const = default;

 private:
  std::array<T, Last - First + 1> values_;
};

inline constexpr int kLines = 6;
inline constexpr int kOutlets = 30;
// The machine numbers a packing house can give its machines.
inline constexpr int kFirstMachine = 1;
inline constexpr int kLastMachine = 99;

struct Configuration {
  std::int32_t porta_com = 1;
  std::int32_t porta_aux = 2;
  std::int32_t porta_scarti = 3;
  std::int32_t scarti_enab = 1;
  std::int32_t barcode_enab = 1;
  std::int32_t numlinee = 2;
  std::int32_t numuscite = 8;
  std::int32_t numtazze = 100;
  std::int32_t tipoatt = 0;
  std::int32_t totaligrammi = 1;
  std::int32_t stampagrammi = 1;
  std::int32_t archiviazione = 1;
  std::int32_t stampa = 1;
  std::int32_t txremoto = 0;
  std::int32_t zeroencoder = 0;
  Numbered<std::int32_t, 1, kLines> inenc{20};
  Numbered<std::int32_t, 1, kLines> fienc{80};
  Numbered<std::int32_t, 1, kLines> kpeso{1000};
  std::int32_t apermagn = 50;
  Numbered<std::int32_t, 1, kOutlets> uscita{0};
  Numbered<std::int32_t, 1, kLines> qualitaL{0};  // 0-based: quality 1 is 0
  std::int32_t rotdirection = 0;                  // 0 left, 1 right
  std::string langinterface = "it";
  std::int32_t autorefresh = 0;
  std::string prn_font_name = "Arial";
  std::string prn_font_size = "8";
  std::string prn_font_set = "fsBold.";
  std::int32_t lev_dtara = 1;
  bool taratazza = false;
  bool tarainc = false;
  std::int32_t xmoltiply = 0;
  std::int32_t durata_magneti = 50;
  std::string copyrigth = "KV7 Campionatrice - supervisore di linea";
  std::int32_t delay_tara = 0;
  std::int32_t distanza_fc = 0;
  std::int32_t point_gest = 0;
  // The service password: a hash once a site has set it; a clear text as
  // stores written before hashing hold it, replaced by its hash at the next save.
  std::string password_inst = "0";
  // The archive resets' password, a hash; empty: the built-in "vok".
  std::string password_reset;
  int macchina = 1;  // Machine number 1..99 in a packing house with several machines.
  bool prod_oraria = true;
  bool v_tazzebad = false;
  bool rx_osc = false;
  Numbered<std::int32_t, 2, 5> limpercq{0};
  std::int32_t ritfc = 1;
  std::int32_t ncopie = 1;
  std::string direxp = "c:\\camp";
  std::int32_t fine_part_auto = 1;
  // 1: every end-of-batch ticket is also kept as a PDF file of its own, the
  // packing house's copy of what the producer got.
  std::int32_t copia_pdf = 1;

  // Not a store key: the installation text sent to the board with "C".
  std::string InstallString;
  // Not a store key: set by ApplyConfiguration when the board takes the tare
  // and magnet suffix (no "-o"); every later rebuild keeps the suffix.
  bool installSuffix = false;
};

// How a field is converted from its stored value.
enum class FieldKind {
  Integer,       // decimal text (leading blanks allowed)
  QualityIndex,  // decimal text, held minus 1
  Rotation,      // "rigth" gives 1, any other text 0
  TareStep,      // decimal text; outside 1..6 gives 1
  Machine,       // decimal text; outside 1..99 gives 1
  Text,          // text as stored
  FlagS,         // true when the text starts with "S" or "s"
  FlagSi,        // true when the text is "si"
  Dword,         // 32-bit integer value
};

// One field of the record with its store key, in the order the keys are read.
struct ConfigurationField {
  std::string key;      // name in the store: "durata magneti", "inenc3"
  std::string field;    // member of Configuration: "durata_magneti", "inenc[3]"
  const char* section;  // section the key is read from
  FieldKind kind;
  std::variant<std::int32_t*, bool*, std::string*> value;
  // Read when `section` lacks the key: where stores written before the key
  // moved still hold it.
  const char* olderSection = nullptr;
};

std::vector<ConfigurationField> ConfigurationFields(Configuration& c);

// Every field as held, one (store key, value) pair per field in read order:
// integers in decimal, booleans 0/1, texts raw.
std::vector<std::pair<std::string, std::string>> ConfigurationValues(const Configuration& c);

// Reads every key of the record from the store (missing keys give their
// defaults) and rebuilds InstallString. A stored integer that is not a number
// is reported once with its text and takes its default; the other keys are
// still read. Returns false when anything was reported. A store whose file
// cannot be read is reported and leaves `c` as it was.
bool LoadConfiguration(Configuration& c, const ConfigStore& store, const ReportSink& report = {});

// Rebuilds InstallString, writes the legacy record "w83.cfg" in workDir, then
// every writable key to the store in one replacement. The passwords are
// written only once a site has one: a new hash, or the hash that replaces a
// stored clear text (the record then holds the hash); the built-in defaults
// are never written. When "w83.cfg" cannot be
// written the store is left untouched; either failure is reported and gives
// false.
bool SaveConfiguration(Configuration& c, ConfigStore& store, const std::filesystem::path& workDir = {},
                       const ReportSink& report = {});

// The record part of applying the configuration: LoadConfiguration, then the
// tare and magnet suffix on InstallString unless the board is the older one
// (option "-o").
bool ApplyConfiguration(Configuration& c, const ConfigStore& store, bool oldBoard,
                        const ReportSink& report = {});

// A whole decimal number as the store holds them: leading blanks, an
// optional sign, digits and nothing after, within 32 bits.
std::optional<std::int32_t> ParseStoredNumber(std::string_view text);

// The largest value `digits` places hold (9, 99, 999, ...).
std::int32_t LargestInPlaces(int digits);

// The installation text without the suffix: always 119 characters, the board
// reading each field at a fixed place. A value that does not fit its places
// (negative, or wider) is sent as the nearest that does (0, or all nines);
// the installation window refuses such values before they are saved.
std::string BuildInstallString(const Configuration& c);
// The tare character and the magnet time the newer board takes after it
// (the time kept within its two places likewise).
std::string InstallSuffix(const Configuration& c);
// The legacy record as built (167 characters with one-digit ports); only the
// first kLegacyRecordWritten reach "w83.cfg".
std::string BuildLegacyRecord(const Configuration& c);
inline constexpr std::size_t kLegacyRecordWritten = 151;
inline constexpr const char* kLegacyRecordFile = "w83.cfg";

}  // namespace kv7::store
