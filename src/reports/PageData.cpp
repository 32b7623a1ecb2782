#include "reports/PageData.h"

#include <algorithm>
#include <cstdlib>

#include "audit/AuditTrail.h"
#include "batches/BatchRules.h"
#include "batches/ProducerArchive.h"
#include "prices/PriceArchive.h"
#include "programs/ProgramArchive.h"
#include "programs/ProgramCodes.h"
#include "store/DbSchema.h"

namespace kv7::reports {
namespace {

// A displayed text as a number; a text that does not read counts as absent.
Amount Shown(const std::string& text, int decimals) {
  return Amount{ReadDecimal(text), decimals, {}};
}

Amount Shown(const std::optional<std::string>& text, int decimals) {
  return text ? Shown(*text, decimals) : Amount{std::nullopt, decimals, {}};
}

// W x part / T with one decimal; 0 when T is not above 0; nothing when a
// figure is not a number.
Amount OnDeclared(std::optional<double> w, std::optional<double> part, std::optional<double> t) {
  if (!w || !part || !t) return Amount{std::nullopt, 1, {}};
  if (*t <= 0) return Amount{0.0, 1, {}};
  return Amount{*w * *part / *t, 1, {}};
}

void ApplyPartita(BatchPage& page, const batches::BatchView& view, const std::string& declared) {
  const auto w = ReadDecimal(declared);
  const auto t = ReadDecimal(view.grandTotal);
  for (std::size_t q = 0; q < kQualities; ++q) {
    std::optional<double> sum = 0.0;
    for (std::size_t c = 0; c < kClasses; ++c) {
      Amount& a = page.rows[q][c].total;
      a = OnDeclared(w, ReadDecimal(view.classTotals[q][c]), t);
      sum = (sum && a.value) ? std::optional<double>(*sum + *a.value) : std::nullopt;
    }
    page.qualityTotals[q] = Amount{sum, 1, {}};
  }
  page.qualityTotals[4] = OnDeclared(w, ReadDecimal(view.qualityTotals[4]), t);
  const std::size_t first = declared.find_first_not_of(' ');
  page.grandTotal = Amount{std::nullopt, 1, first == std::string::npos ? std::string("0") : declared.substr(first)};
  page.unit = "Kg.";
}

}  // namespace

std::optional<double> ReadDecimal(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(' ');
  const std::string s(text.substr(first, last - first + 1));
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || s.find_first_of("xXpPnN") != std::string::npos) return std::nullopt;
  return v;
}

BatchPage MakeBatchPage(const BatchPageInput& in) {
  const auto& ws = in.ws;
  BatchPage page;
  page.title = in.title;
  page.programDescription = in.programDescription;
  page.programNumber = ws.program;
  page.numero = ws.numero;
  page.registration = in.registration;
  page.date = ws.date;
  page.producerCode = ws.codProd;
  page.producerName = ws.nomeProd;
  page.lot = ws.lotto;
  page.operatorName = ws.operatore;
  page.crates = ws.numCasse;
  page.pallets = ws.numPedane;
  page.note = ws.note;
  page.cost = in.cost;
  page.machine = in.machine;
  const batches::BatchView view = batches::RecomputeBatchView(ws, false, in.inGrams);
  const int decimals = in.inGrams ? 0 : 1;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) {
      ClassRow& row = page.rows[q][c];
      row.name = in.classes.names[q][c];
      if (in.printWeights)
        row.range = batches::ClassRangeText(static_cast<long>(in.classes.limits[q][c]),
                                            static_cast<long>(in.classes.limits[q][c + 1]));
      row.total = Shown(view.classTotals[q][c], decimals);
      row.share = Shown(view.classShares[q][c], 2);
    }
  for (std::size_t q = 0; q < 5; ++q) {
    page.qualityTotals[q] = Shown(view.qualityTotals[q], decimals);
    page.qualityShares[q] = Shown(view.qualityShares[q], 2);
  }
  page.grandTotal = Shown(view.grandTotal, decimals);
  page.unit = in.inGrams ? "gr." : "Kg.";
  page.partita = in.partita;
  if (in.partita) ApplyPartita(page, view, ws.totalePart);
  if (in.priceList) page.value = ValueSection{prices::ValueBatch(batches::WeightsOf(ws), *in.priceList), in.priceList->validFrom};
  return page;
}

batches::ProgramClasses ClassesOf(const store::ProgramRecord& record) {
  batches::ProgramClasses p;
  for (std::size_t q = 0; q < kQualities; ++q) {
    p.names[q] = record.name[q];
    for (std::size_t k = 0; k <= kClasses; ++k) p.limits[q][k] = batches::IntegerOrZero(record.limit[q][k]);
  }
  return p;
}

namespace {

// The last change a person made to the stored batch after its end; none
// when it was never changed since.
std::optional<store::DbDateTime> ModifiedAfterEnd(store::Database& db, const store::BatchRow& row) {
  const auto last = audit::LastChange(db.Connection(), store::table::kBatches, std::to_string(row.num), {"modifica"});
  if (!last || (row.data && last->ToString() <= row.data->ToString())) return std::nullopt;
  return last;
}

}  // namespace

StoredBatchPage LoadBatchPage(store::Database& db, std::int64_t n, bool partita, const store::Configuration& config) {
  StoredBatchPage out;
  store::BatchRow row;
  if (!db.TableExists("bolle") || !db.LoadBatchByNumber(n, row)) return out;
  out.found = true;
  const bool inGrams = config.totaligrammi == 1;
  batches::BatchEditorInput in = batches::PrepareEditBatch(db, n, {}, inGrams);
  const int index = in.ProgramIndex(in.ws.program);
  if (in.program != batches::BatchEditorInput::Program::Found || index < 0) {
    out.programMissing = row.programma;
    return out;
  }
  BatchPageInput input;
  input.ws = in.ws;
  input.registration = std::to_string(n);
  input.classes = in.classes[static_cast<std::size_t>(index)];
  input.programDescription = in.programs.entries[static_cast<std::size_t>(index)].description;
  input.inGrams = inGrams;
  input.partita = partita;
  input.printWeights = config.stampagrammi == 1;
  if (row.data) input.priceList = prices::LoadListInForce(db, row.programma, *row.data);
  input.machine = static_cast<int>(row.macchina);
  out.page = MakeBatchPage(input);
  out.page->modified = ModifiedAfterEnd(db, row);
  return out;
}

ProgramPage MakeProgramPage(const std::string& number, const store::ProgramRecord& record) {
  ProgramPage page;
  page.number = number;
  page.description = record.description;
  const batches::ProgramClasses classes = ClassesOf(record);
  page.names = classes.names;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c)
      page.ranges[q][c] = batches::ClassRangeText(static_cast<long>(classes.limits[q][c]),
                                                  static_cast<long>(classes.limits[q][c + 1]));
  return page;
}

std::optional<ProgramPage> LoadProgramPage(store::Database& db, const std::string& code) {
  if (!db.TableExists("programmi")) return std::nullopt;
  auto loaded = programs::LoadProgramIntoEditor(db, code, 0);
  if (!loaded) return std::nullopt;
  ProgramPage page = MakeProgramPage(programs::LookupCode(code), loaded->record);
  page.machine = db.Machine();
  return page;
}

// The tare type in the words of the installation window's "Tipo Tara".
std::string TareTypeText(const store::Configuration& c) {
  if (!c.taratazza) return "TARA/LINEA";
  if (!c.tarainc) return "TARA/TAZZA";
  return "TARA INC.(" + std::to_string(std::clamp(c.lev_dtara, 1, 6)) + "gr)";
}

InstallationPage MakeInstallationPage(const store::Configuration& config) {
  InstallationPage page;
  page.machine = config.macchina;
  page.lines = std::to_string(config.numlinee);
  page.cups = std::to_string(config.numtazze);
  page.tareDelay = std::to_string(config.delay_tara);
  page.tareType = TareTypeText(config);
  page.encoderDirection = std::to_string(config.rotdirection);
  page.encoderZero = std::to_string(config.zeroencoder);
  for (int n = 1; n <= 6; ++n)
    page.line[static_cast<std::size_t>(n - 1)] = {std::to_string(config.inenc[n]), std::to_string(config.fienc[n]),
                                                  std::to_string(config.kpeso[n]),
                                                  std::to_string(config.qualitaL[n] + 1)};
  return page;
}

ProducerListPage LoadProducerListPage(store::Database& db) {
  ProducerListPage page;
  page.machine = db.Machine();
  for (const auto& p : batches::FillProducerList(db)) page.producers.emplace_back(p.codice, p.descrizione);
  return page;
}

}  // namespace kv7::reports
