#include "programs/ProgramParameters.h"

#include <algorithm>

#include "store/FontStyles.h"

namespace kv7::programs {
namespace {

constexpr const char* kMain = "kv2";
constexpr const char* kCustom = "custom";

int Clamped(int v, int lo, int hi) {
  return std::clamp(v, lo, hi);
}

PrintFont FontFrom(const std::string& name, const std::string& size, const std::string& styles) {
  PrintFont f;
  f.name = name;
  f.size = store::ParseStoredNumber(size).value_or(f.size);
  ApplyFontStyleText(styles, f);
  return f;
}

store::ConfigStore::SectionValue Text(const char* section, const char* key, std::string value) {
  store::StoredValue v;
  v.name = key;
  v.type = store::ValueType::Text;
  v.text = std::move(value);
  return {section, v};
}

}  // namespace

std::string FontStyleText(const PrintFont& f) {
  return store::StyleText({f.bold, f.italic, f.underline, f.strikeout});
}

void ApplyFontStyleText(const std::string& text, PrintFont& f) {
  const store::FontStyles styles = store::ParseStyleText(text);
  f.bold = styles.bold;
  f.italic = styles.italic;
  f.underline = styles.underline;
  f.strikeout = styles.strikeout;
}

ProgramParameters ParametersFromConfiguration(const store::Configuration& c) {
  ProgramParameters p;
  p.archiviazione = c.archiviazione == 1;
  p.stampa = c.stampa == 1;
  p.copiaPdf = c.copia_pdf == 1;
  p.txremoto = c.txremoto == 1;
  p.stampagrammi = c.stampagrammi == 1;
  p.fine_part_auto = c.fine_part_auto == 1;
  p.totaliGrammi = c.totaligrammi == 1;
  p.ncopie = Clamped(c.ncopie, 0, 8);
  p.direxp = c.direxp;
  for (int q = 2; q <= 5; ++q) p.limpercq[q - 2] = Clamped(c.limpercq[q], 0, kMaxPercentLimit);
  p.refreshSeconds = Clamped(c.autorefresh, 0, kMaxRefreshSeconds);
  p.reportFont = FontFrom(c.prn_font_name, c.prn_font_size, c.prn_font_set);
  return p;
}

void ApplyParameters(const ProgramParameters& p, store::Configuration& c) {
  c.archiviazione = p.archiviazione ? 1 : 0;
  c.stampa = p.stampa ? 1 : 0;
  c.copia_pdf = p.copiaPdf ? 1 : 0;
  c.txremoto = p.txremoto ? 1 : 0;
  c.stampagrammi = p.stampagrammi ? 1 : 0;
  c.fine_part_auto = p.fine_part_auto ? 1 : 0;
  c.totaligrammi = p.totaliGrammi ? 1 : 0;
  c.ncopie = p.ncopie;
  c.direxp = p.direxp;
  for (int q = 2; q <= 5; ++q) c.limpercq[q] = p.limpercq[q - 2];
  ApplyPrintSettings(p, c);
}

std::vector<std::pair<std::string, std::string>> ParameterValues(const ProgramParameters& p) {
  store::Configuration c;
  ApplyParameters(p, c);
  std::vector<std::pair<std::string, std::string>> values{
      {"archiviazione", std::to_string(c.archiviazione)}, {"stampa", std::to_string(c.stampa)},
      {"copia_pdf", std::to_string(c.copia_pdf)},         {"txremoto", std::to_string(c.txremoto)},
      {"stampagrammi", std::to_string(c.stampagrammi)},   {"fine_part_auto", std::to_string(c.fine_part_auto)},
      {"totaligrammi", std::to_string(c.totaligrammi)},   {"ncopie", std::to_string(c.ncopie)},
      {"direxp", c.direxp}};
  for (int q = 2; q <= 5; ++q) values.emplace_back("limpercq" + std::to_string(q), std::to_string(c.limpercq[q]));
  values.insert(values.end(), {{"autorefresh", std::to_string(c.autorefresh)},
                               {"prn_font_name", c.prn_font_name},
                               {"prn_font_size", c.prn_font_size},
                               {"prn_font_set", c.prn_font_set}});
  return values;
}

void ApplyPrintSettings(const ProgramParameters& p, store::Configuration& c) {
  c.autorefresh = p.refreshSeconds;
  c.prn_font_name = p.reportFont.name;
  c.prn_font_size = std::to_string(p.reportFont.size);
  c.prn_font_set = FontStyleText(p.reportFont);
}

bool SaveRefreshInterval(store::ConfigStore& store, int seconds) {
  return store.WriteString(kCustom, "autorefresh", std::to_string(Clamped(seconds, 0, kMaxRefreshSeconds)));
}

int LoadRefreshInterval(const store::ConfigStore& store) {
  return Clamped(store.ReadInteger(kCustom, "autorefresh", 0), 0, kMaxRefreshSeconds);
}

bool SaveReportFont(store::ConfigStore& store, const PrintFont& font) {
  return store.WriteValues({Text(kMain, "prn_font_name", font.name),
                            Text(kMain, "prn_font_size", std::to_string(font.size)),
                            Text(kMain, "prn_font_set", FontStyleText(font))});
}

PrintFont LoadReportFont(const store::ConfigStore& store) {
  return FontFrom(store.ReadString(kMain, "prn_font_name", "Arial"),
                  store.ReadString(kMain, "prn_font_size", "8"),
                  store.ReadString(kMain, "prn_font_set", "fsBold."));
}

}  // namespace kv7::programs
