#include "store/Configuration.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "store/PasswordHash.h"
#include "store/SideFiles.h"

namespace kv7::store {

std::optional<std::int32_t> ParseStoredNumber(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.front() < '0' || s.front() > '9') return std::nullopt;
  std::int64_t v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  if (negative) v = -v;
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(v);
}

namespace {

constexpr const char* kMain = "kv2";

// The value as a number: a Dword as stored, a text when it is a whole number.
std::optional<std::int32_t> AsNumber(const StoredValue& v) {
  if (v.type == ValueType::Dword) return v.dword;
  return ParseStoredNumber(v.text);
}

std::string AsText(const StoredValue& v) {
  return v.type == ValueType::Text ? v.text : std::to_string(v.dword);
}

// Right-aligned in width with the blanks turned into "0"; a wider number in full.
std::string ZeroPadded(std::int64_t value, std::size_t width) {
  std::string s = std::to_string(value);
  return s.size() >= width ? s : std::string(width - s.size(), '0') + s;
}

// Right-aligned in width with blanks, as the store has always held these keys.
std::string BlankPadded(std::int64_t value, std::size_t width) {
  std::string s = std::to_string(value);
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

bool StartsWithS(const std::string& s) {
  return !s.empty() && (s[0] == 'S' || s[0] == 's');
}

// The incremental tare step the board can take: 1..6, anything else 1.
std::int32_t TareStep(std::int32_t v) {
  return v >= 1 && v <= 6 ? v : 1;
}

// A machine number the archive can tell apart: 1..99, anything else 1.
std::int32_t MachineNumber(std::int32_t v) {
  return v >= kFirstMachine && v <= kLastMachine ? v : kFirstMachine;
}

std::string Describe(const ConfigurationField& f) {
  if (auto* i = std::get_if<std::int32_t*>(&f.value)) return std::to_string(**i);
  if (auto* b = std::get_if<bool*>(&f.value)) return **b ? "1" : "0";
  return *std::get<std::string*>(f.value);
}

// Converts one stored value into its field. False when a number was expected
// and the text is not one; the field then keeps its default.
bool Convert(const ConfigurationField& f, const StoredValue& stored) {
  switch (f.kind) {
    case FieldKind::Integer:
    case FieldKind::Dword: {
      auto n = AsNumber(stored);
      if (n) *std::get<std::int32_t*>(f.value) = *n;
      return n.has_value();
    }
    case FieldKind::QualityIndex: {
      auto n = AsNumber(stored);
      if (!n || *n == std::numeric_limits<std::int32_t>::min()) return false;
      *std::get<std::int32_t*>(f.value) = *n - 1;
      return true;
    }
    case FieldKind::TareStep: {
      auto n = AsNumber(stored);
      if (n) *std::get<std::int32_t*>(f.value) = TareStep(*n);
      return n.has_value();
    }
    case FieldKind::Machine: {
      auto n = AsNumber(stored);
      if (n) *std::get<std::int32_t*>(f.value) = MachineNumber(*n);
      return n.has_value();
    }
    case FieldKind::Rotation:
      *std::get<std::int32_t*>(f.value) = AsText(stored) == "rigth" ? 1 : 0;
      return true;
    case FieldKind::Text:
      *std::get<std::string*>(f.value) = AsText(stored);
      return true;
    case FieldKind::FlagS:
      *std::get<bool*>(f.value) = StartsWithS(AsText(stored));
      return true;
    case FieldKind::FlagSi:
      *std::get<bool*>(f.value) = AsText(stored) == "si";
      return true;
  }
  return true;
}

std::string Rebuilt(const Configuration& c) {
  return BuildInstallString(c) + (c.installSuffix ? InstallSuffix(c) : std::string());
}

}  // namespace

std::vector<ConfigurationField> ConfigurationFields(Configuration& c) {
  std::vector<ConfigurationField> f;
  auto add = [&f](std::string key, std::string field, const char* section, FieldKind kind, auto* value) {
    f.push_back({std::move(key), std::move(field), section, kind, value, nullptr});
  };
  auto integer = [&](const char* key, std::int32_t& v) { add(key, key, kMain, FieldKind::Integer, &v); };
  auto numbered = [&](const std::string& key, int n, std::int32_t& v, FieldKind kind, const char* section) {
    add(key + std::to_string(n), key + "[" + std::to_string(n) + "]", section, kind, &v);
  };

  integer("porta_com", c.porta_com);
  integer("porta_aux", c.porta_aux);
  integer("porta_scarti", c.porta_scarti);
  integer("scarti_enab", c.scarti_enab);
  integer("barcode_enab", c.barcode_enab);
  integer("numlinee", c.numlinee);
  integer("numuscite", c.numuscite);
  integer("numtazze", c.numtazze);
  integer("tipoatt", c.tipoatt);
  integer("totaligrammi", c.totaligrammi);
  integer("stampagrammi", c.stampagrammi);
  integer("archiviazione", c.archiviazione);
  integer("stampa", c.stampa);
  integer("txremoto", c.txremoto);
  integer("zeroencoder", c.zeroencoder);
  for (int n = 1; n <= kLines; ++n) {
    numbered("inenc", n, c.inenc[n], FieldKind::Integer, kMain);
    numbered("fienc", n, c.fienc[n], FieldKind::Integer, kMain);
  }
  for (int n = 1; n <= kLines; ++n) numbered("kpeso", n, c.kpeso[n], FieldKind::Integer, kMain);
  integer("apermagn", c.apermagn);
  for (int n = 1; n <= kOutlets; ++n) numbered("uscita", n, c.uscita[n], FieldKind::Integer, kMain);
  for (int n = 1; n <= kLines; ++n) numbered("qualitaL", n, c.qualitaL[n], FieldKind::QualityIndex, kMain);
  add("rotdirection", "rotdirection", kMain, FieldKind::Rotation, &c.rotdirection);
  // Read where it is saved; older stores kept it in "kv" only.
  add("langinterface", "langinterface", kMain, FieldKind::Text, &c.langinterface);
  f.back().olderSection = "kv";
  add("autorefresh", "autorefresh", "custom", FieldKind::Integer, &c.autorefresh);
  add("prn_font_name", "prn_font_name", kMain, FieldKind::Text, &c.prn_font_name);
  add("prn_font_size", "prn_font_size", kMain, FieldKind::Text, &c.prn_font_size);
  add("prn_font_set", "prn_font_set", kMain, FieldKind::Text, &c.prn_font_set);
  add("lev_dtara", "lev_dtara", kMain, FieldKind::TareStep, &c.lev_dtara);
  add("taratazza", "taratazza", kMain, FieldKind::FlagS, &c.taratazza);
  add("tarainc", "tarainc", kMain, FieldKind::FlagS, &c.tarainc);
  integer("xmoltiply", c.xmoltiply);
  add("durata magneti", "durata_magneti", kMain, FieldKind::Integer, &c.durata_magneti);
  add("copyrigth", "copyrigth", kMain, FieldKind::Text, &c.copyrigth);
  add("delay tara", "delay_tara", kMain, FieldKind::Integer, &c.delay_tara);
  add("distanza fc", "distanza_fc", kMain, FieldKind::Integer, &c.distanza_fc);
  add("point gest", "point_gest", kMain, FieldKind::Integer, &c.point_gest);
  add("password_inst", "password_inst", kMain, FieldKind::Text, &c.password_inst);
  add("password_reset", "password_reset", kMain, FieldKind::Text, &c.password_reset);
  add("macchina", "macchina", kMain, FieldKind::Machine, &c.macchina);
  add("prod-oraria", "prod_oraria", kMain, FieldKind::FlagSi, &c.prod_oraria);
  add("v_tazzebad", "v_tazzebad", kMain, FieldKind::FlagSi, &c.v_tazzebad);
  add("rx_osc", "rx_osc", "log", FieldKind::FlagS, &c.rx_osc);
  for (int n = 2; n <= 5; ++n) numbered("limpercq", n, c.limpercq[n], FieldKind::Dword, kMain);
  add("ritfc", "ritfc", kMain, FieldKind::Dword, &c.ritfc);
  add("ncopie", "ncopie", kMain, FieldKind::Dword, &c.ncopie);
  add("direxp", "direxp", kMain, FieldKind::Text, &c.direxp);
  add("fine_part_auto", "fine_part_auto", kMain, FieldKind::Dword, &c.fine_part_auto);
  integer("copia_pdf", c.copia_pdf);
  return f;
}

std::vector<std::pair<std::string, std::string>> ConfigurationValues(const Configuration& c) {
  std::vector<std::pair<std::string, std::string>> out;
  // The fields are only read here.
  for (const auto& f : ConfigurationFields(const_cast<Configuration&>(c)))
    out.emplace_back(f.key, Describe(f));
  return out;
}

bool LoadConfiguration(Configuration& c, const ConfigStore& store, const ReportSink& report) {
  // Defaults in place of settings that exist but cannot be read would be
  // saved over them at the next save.
  if (const auto& error = store.ReadError()) {
    Tell(report, *error);
    return false;
  }
  Configuration loaded;
  const Configuration defaults;
  const auto fields = ConfigurationFields(loaded);
  bool clean = true;
  for (const auto& f : fields) {
    const char* section = f.section;
    auto stored = store.Find(section, f.key);
    if (!stored && f.olderSection) stored = store.Find(section = f.olderSection, f.key);
    if (!stored || Convert(f, *stored)) continue;
    // One bad number must not cost the rest of the record: the key keeps its
    // default and the others are still read.
    clean = false;
    Tell(report, "configuration key \"" + f.key + "\" (section \"" + section + "\") holds \"" +
                     AsText(*stored) + "\", which is not a number; using " + Describe(f));
  }
  loaded.installSuffix = c.installSuffix;
  loaded.InstallString = Rebuilt(loaded);
  c = std::move(loaded);
  return clean;
}

bool ApplyConfiguration(Configuration& c, const ConfigStore& store, bool oldBoard, const ReportSink& report) {
  c.installSuffix = !oldBoard;
  return LoadConfiguration(c, store, report);
}

std::int32_t LargestInPlaces(int digits) {
  std::int32_t largest = 0;
  for (int i = 0; i < digits; ++i) largest = largest * 10 + 9;
  return largest;
}

namespace {
// `value` in exactly `digits` places, zero-filled, kept within them.
std::string InPlaces(std::int64_t value, int digits) {
  const auto places = static_cast<std::size_t>(digits);
  return ZeroPadded(std::clamp<std::int64_t>(value, 0, LargestInPlaces(digits)), places);
}
}  // namespace

std::string BuildInstallString(const Configuration& c) {
  std::string s = InPlaces(c.numlinee, 1) + InPlaces(c.numuscite, 2) + InPlaces(c.numtazze, 3) +
                  InPlaces(c.zeroencoder, 2);
  for (int n = 1; n <= kLines; ++n) s += InPlaces(c.inenc[n], 2) + InPlaces(c.fienc[n], 2);
  for (int n = 1; n <= kLines; ++n) s += InPlaces(c.kpeso[n], 4);
  s += c.tipoatt == 2 ? "1" : "0";
  s += InPlaces(c.apermagn, 2);
  for (int n = 1; n <= kOutlets; ++n) s += InPlaces(c.uscita[n], 2);
  return s;
}

std::string InstallSuffix(const Configuration& c) {
  std::string tare;
  if (c.taratazza && c.tarainc)
    tare = std::to_string(TareStep(c.lev_dtara));
  else if (c.taratazza)
    tare = "T";
  else
    tare = "L";
  return tare + InPlaces(c.durata_magneti, 2);
}

std::string BuildLegacyRecord(const Configuration& c) {
  auto digit = [](std::int32_t port) {
    return port >= 0 && port <= 9 ? std::to_string(port) : std::string();
  };
  auto sn = [](std::int32_t v) { return v == 1 ? "S" : "N"; };
  std::string r = "1" + digit(c.porta_com) + "9" + digit(c.porta_aux);
  r += static_cast<char>(static_cast<unsigned>(c.numlinee) + '0');
  r += ZeroPadded(c.numuscite, 2) + ZeroPadded(c.numtazze, 4);
  r += c.tipoatt == 1 ? "0" : "1";
  r += c.totaligrammi == 1 ? "1" : "0";
  r += std::string(sn(c.stampagrammi)) + sn(c.archiviazione) + sn(c.stampa) + sn(c.txremoto);
  r += ZeroPadded(c.zeroencoder, 2);
  for (int n = 1; n <= kLines; ++n) r += ZeroPadded(c.inenc[n], 2) + ZeroPadded(c.fienc[n], 2);
  for (int n = 1; n <= kLines; ++n) r += ZeroPadded(c.kpeso[n], 4);
  for (int i = 0; i < 8; ++i) r += "1000";
  r += "000000";
  r += ZeroPadded(c.apermagn, 2);
  for (int n = 1; n <= kOutlets; ++n) r += ZeroPadded(c.uscita[n], 2);
  return r;
}

namespace {

// A password held in clear is hashed when the store holds it (a stored clear
// text); one the store lacks is the built-in default and stays unwritten.
template <class Write>
void PasswordToWrite(const ConfigStore& store, const char* key, std::string& held, const Write& write) {
  const auto stored = store.Find(kMain, key);
  if (!password_hash::IsHash(held)) {
    if (!stored || held.empty()) return;
    held = password_hash::Hash(held);
  }
  if (!stored || AsText(*stored) != held) write(key, held);
}

}  // namespace

bool SaveConfiguration(Configuration& c, ConfigStore& store, const std::filesystem::path& workDir,
                       const ReportSink& report) {
  const std::string legacy = BuildLegacyRecord(c);
  c.InstallString = Rebuilt(c);
  if (!WriteSideFileStart(SideFilePath(workDir, kLegacyRecordFile), legacy.substr(0, kLegacyRecordWritten),
                          report))
    return false;

  std::vector<ConfigStore::SectionValue> w;
  auto text = [&w](std::string key, std::string value) {
    w.push_back({kMain, StoredValue{std::move(key), ValueType::Text, std::move(value), 0}});
  };
  auto dword = [&w](std::string key, std::int32_t value) {
    w.push_back({kMain, StoredValue{std::move(key), ValueType::Dword, {}, value}});
  };
  auto number = [&text](std::string key, std::int64_t v) { text(std::move(key), std::to_string(v)); };

  number("porta_com", c.porta_com);
  number("porta_aux", c.porta_aux);
  number("porta_scarti", c.porta_scarti);
  number("scarti_enab", c.scarti_enab);
  number("barcode_enab", c.barcode_enab);
  number("numlinee", c.numlinee);
  number("numuscite", c.numuscite);
  number("numtazze", c.numtazze);
  number("tipoatt", c.tipoatt);
  number("totaligrammi", c.totaligrammi);
  number("stampagrammi", c.stampagrammi);
  number("archiviazione", c.archiviazione);
  number("stampa", c.stampa);
  number("txremoto", c.txremoto);
  number("zeroencoder", c.zeroencoder);
  for (int n = 1; n <= kLines; ++n) {
    number("inenc" + std::to_string(n), c.inenc[n]);
    number("fienc" + std::to_string(n), c.fienc[n]);
  }
  for (int n = 1; n <= kLines; ++n) number("kpeso" + std::to_string(n), c.kpeso[n]);
  number("apermagn", c.apermagn);
  for (int n = 1; n <= kOutlets; ++n) number("uscita" + std::to_string(n), c.uscita[n]);
  for (int n = 1; n <= kLines; ++n)
    number("qualitaL" + std::to_string(n), static_cast<std::int64_t>(c.qualitaL[n]) + 1);
  text("rotdirection", c.rotdirection == 0 ? "left" : "rigth");

  if (c.delay_tara >= 0) text("delay tara", c.delay_tara <= 255 ? BlankPadded(c.delay_tara, 3) : "255");
  text("distanza fc", c.distanza_fc < 1000 ? BlankPadded(c.distanza_fc, 3) : "999");
  text("point gest", c.point_gest < 100 ? BlankPadded(c.point_gest, 2) : "94");
  text("taratazza", c.taratazza ? "S" : "N");
  text("tarainc", c.taratazza && c.tarainc ? "S" : "N");
  text("lev_dtara", c.taratazza && c.tarainc ? std::to_string(TareStep(c.lev_dtara)) : "1");
  if (c.durata_magneti >= 0)
    text("durata magneti", c.durata_magneti <= 100 ? BlankPadded(c.durata_magneti, 3) : "255");

  text("langinterface", c.langinterface);
  for (int n = 2; n <= 5; ++n) dword("limpercq" + std::to_string(n), c.limpercq[n]);
  dword("ritfc", c.ritfc);
  dword("ncopie", c.ncopie);
  text("direxp", c.direxp);
  dword("fine_part_auto", c.fine_part_auto);
  number("copia_pdf", c.copia_pdf);
  PasswordToWrite(store, "password_inst", c.password_inst, text);
  PasswordToWrite(store, "password_reset", c.password_reset, text);
  number("macchina", MachineNumber(c.macchina));

  if (!store.WriteValues(w)) {
    Tell(report, store.FilePath().string() + ": cannot be written; the configuration was not saved");
    return false;
  }
  return true;
}

}  // namespace kv7::store
