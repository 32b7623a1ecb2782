#pragma once
// The printed pages as plain values: everything a page shows, made on the
// machine side from the archive, the configuration and the running totals,
// and drawn on the window side (PageDrawing.h). Numbers stay numbers here so
// the drawing writes them in the language in force; an amount that cannot
// be computed carries no value and is printed as a dash.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "prices/PriceList.h"
#include "store/BatchFigures.h"
#include "store/DbValue.h"

namespace kv7::reports {

using store::kClasses;
using store::kQualities;

// A number to print with `decimals` decimals and thousands grouping. A
// non-empty `text` is printed as it stands instead (the declared weight);
// neither a value nor a text: not computable.
struct Amount {
  std::optional<double> value;
  int decimals = 0;
  std::string text;
  bool operator==(const Amount&) const = default;
};

struct ClassRow {
  std::string name;
  std::string range;  // "0090-0110", empty when weights are not printed
  Amount total;
  Amount share;
  bool operator==(const ClassRow&) const = default;
};

// The cost of the processing on the pages of the running batch (F7 and the
// end of batch): the run's cost and what a kilogram cost, in lire.
struct CostLine {
  std::int64_t amount = 0;
  double perKg = 0;
  bool operator==(const CostLine&) const = default;
};

// The value of the batch on the list in force on its day, below the totals;
// a page without a list has none and looks as before.
struct ValueSection {
  prices::BatchValue value;
  store::DbDateTime listFrom;
  bool operator==(const ValueSection&) const = default;
};

inline constexpr const char* kBatchTitle = "STAMPA BOLLA";
inline constexpr const char* kEndOfBatchTitle = "LAVORAZIONE";

struct BatchPage {
  std::string title = kBatchTitle;
  std::string programDescription;
  std::string programNumber;
  std::string numero;        // delivery note number
  std::string registration;  // `num`, or the processing number
  std::optional<store::DbDateTime> date;
  // A stored batch a person changed after its end: the last such change.
  std::optional<store::DbDateTime> modified;
  std::string producerCode;
  std::string producerName;
  std::string lot;
  std::string operatorName;
  std::string crates;
  std::string pallets;
  std::string note;
  std::array<std::array<ClassRow, kClasses>, kQualities> rows{};  // [q - 1][c - 1]
  std::array<Amount, 5> qualityTotals{};  // the reject at 4
  std::array<Amount, 5> qualityShares{};
  Amount grandTotal;
  std::string unit = "gr.";
  bool partita = false;
  std::optional<CostLine> cost;  // none for a stored batch or a run that cost nothing
  std::optional<ValueSection> value;
  int machine = 1;  // printed on every sheet
  bool operator==(const BatchPage&) const = default;
};

struct ProgramPage {
  std::string number;
  std::string description;
  std::array<std::array<std::string, kClasses>, kQualities> names{};
  std::array<std::array<std::string, kClasses>, kQualities> ranges{};
  int machine = 1;  // printed on every sheet
  bool operator==(const ProgramPage&) const = default;
};

struct InstallationLine {
  std::string encoderStart, encoderEnd, kappa, quality;
  bool operator==(const InstallationLine&) const = default;
};

struct InstallationPage {
  std::string lines, cups, tareDelay, encoderDirection, encoderZero;
  std::string tareType;  // "TARA/LINEA", "TARA/TAZZA", "TARA INC.(1gr)".."(6gr)"; translated when drawn
  std::array<InstallationLine, 6> line{};
  std::optional<store::DbDateTime> printed;  // "Data: "; now when empty
  int machine = 1;  // printed on every sheet
  bool operator==(const InstallationPage&) const = default;
};

struct ProducerListPage {
  std::vector<std::pair<std::string, std::string>> producers;  // code, description
  int machine = 1;  // printed on every sheet
  bool operator==(const ProducerListPage&) const = default;
};

// One group of the season statistics: shares in percent, the reject last.
struct StatsLine {
  std::string key;
  std::string label;  // the producer's name
  std::int64_t batches = 0;
  std::int64_t declaredKg = 0;
  double sampledKg = 0;
  std::array<double, 5> shares{};
  std::optional<double> value;
  std::optional<double> valuePerKg;
  bool operator==(const StatsLine&) const = default;
};

inline constexpr const char* kStatsTitle = "STATISTICHE";

struct StatsPage {
  std::optional<store::DbDateTime> from, to;
  std::string grouping;  // "producer", "program", "machine", "week"
  std::string producer;  // the one producer asked for, if any
  std::vector<StatsLine> lines;
  StatsLine total;
  bool withValues = false;  // the value columns, only where prices exist
  int machine = 1;          // printed on every sheet
  bool operator==(const StatsPage&) const = default;
};

// One batch of the grower's season statement.
struct StatementLine {
  store::DbDateTime date;
  std::int64_t num = 0;
  std::string bolla;
  std::int64_t declaredKg = 0;
  std::array<double, 5> shares{};  // Percq1..percq4 and the reject, two decimals
  std::optional<prices::Cents> value;  // none when no list holds for it
  bool operator==(const StatementLine&) const = default;
};

// "ESTRATTO CONTO STAGIONE": a producer's batches in a period, then totals.
struct SeasonStatementPage {
  std::string producerCode;
  std::string producerName;
  store::DbDateTime from, to;  // days, both included
  std::vector<StatementLine> lines;
  std::int64_t declaredKg = 0;
  std::array<double, 5> shares{};  // of the weight valued over the period
  prices::Cents value = 0;         // sum of the batches' values
  std::optional<prices::Price> perKg;  // over the batches that have a value
  int machine = 1;                     // printed on every sheet
  bool operator==(const SeasonStatementPage&) const = default;
};

using Page =
    std::variant<BatchPage, ProgramPage, InstallationPage, ProducerListPage, StatsPage, SeasonStatementPage>;

}  // namespace kv7::reports
