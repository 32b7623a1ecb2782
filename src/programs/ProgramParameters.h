#pragma once
// The general program parameters edited in TParProg, as one value, and the
// two settings the configuration save leaves out (the totals refresh
// interval and the report font), kept here in the configuration store so
// they survive a restart.

#include <cstdint>
#include <string>

#include "store/ConfigStore.h"
#include "store/Configuration.h"

namespace kv7::programs {

// Font of the printed reports.
struct PrintFont {
  std::string name = "Arial";
  int size = 8;
  bool bold = true;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool operator==(const PrintFont&) const = default;
};

// Its styles as the style text of store/FontStyles.h, and back.
std::string FontStyleText(const PrintFont& font);
void ApplyFontStyleText(const std::string& text, PrintFont& font);

struct ProgramParameters {
  bool archiviazione = true;
  bool stampa = true;
  bool copiaPdf = true;  // `copia_pdf`: a PDF copy of every end-of-batch ticket
  bool txremoto = false;
  bool stampagrammi = true;
  bool fine_part_auto = true;
  bool totaliGrammi = true;  // `totaligrammi` 1: totals in grams
  int ncopie = 1;            // index of the copies entry ("1".."9")
  std::string direxp;
  int limpercq[4] = {0, 0, 0, 0};  // limpercq2..limpercq5
  int refreshSeconds = 0;          // 0..59
  PrintFont reportFont;
  bool operator==(const ProgramParameters&) const = default;
};

inline constexpr int kMaxRefreshSeconds = 59;
inline constexpr int kMaxPercentLimit = 59;

// The window's starting values from the record (refresh interval from
// `autorefresh`, font from prn_font_*).
ProgramParameters ParametersFromConfiguration(const store::Configuration& c);
// What OK takes into the record before SaveConfiguration; also the refresh
// interval and the font fields, which SaveConfiguration does not write (see
// SaveRefreshInterval, SaveReportFont).
void ApplyParameters(const ProgramParameters& p, store::Configuration& c);
// The values "Salva" stores, by their keys, as the store holds them (for the
// audit trail).
std::vector<std::pair<std::string, std::string>> ParameterValues(const ProgramParameters& p);
// Only the refresh interval (`autorefresh`) and the font fields: what is in
// force as soon as it is chosen, whether or not the window is saved.
void ApplyPrintSettings(const ProgramParameters& p, store::Configuration& c);

// `autorefresh` in section "custom" (the key read at start-up); false when
// the store cannot be written.
bool SaveRefreshInterval(store::ConfigStore& store, int seconds);
int LoadRefreshInterval(const store::ConfigStore& store);
// prn_font_name, prn_font_size, prn_font_set in section "kv2", in one write.
bool SaveReportFont(store::ConfigStore& store, const PrintFont& font);
PrintFont LoadReportFont(const store::ConfigStore& store);

}  // namespace kv7::programs
