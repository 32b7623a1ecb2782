#pragma once
// The batch editor's working copy of one batch: the gram amounts of every
// class and quality and of the reject as decimal texts (leading blanks
// allowed), the header texts, the date and the time. The machine side keeps
// one; the editor window is filled from it and hands a new one back on OK.

#include <array>
#include <optional>
#include <string>

#include "store/BatchFigures.h"
#include "store/DbValue.h"

namespace kv7::batches {

using store::kClasses;
using store::kQualities;

struct BatchWorkingSet {
  // [q - 1][c - 1]: grams of class c of quality q, as text.
  std::array<std::array<std::string, kClasses>, kQualities> totals{};
  std::string reject;  // quality 5

  std::string program;  // NProgramma: two-digit program number ("05")
  std::string numero;   // delivery note number
  std::string lotto = "000000";
  std::string codProd;
  std::string nomeProd;
  std::string note;       // as shown, line breaks removed
  std::string codBar;     // barcode
  std::string totalePart;  // declared weight, kg
  std::string numCasse;
  std::string numPedane;
  std::string operatore;
  store::DbDateTime date;  // date and time of the delivery note

  bool operator==(const BatchWorkingSet&) const = default;
};

// ResetBatchEditor's part on the working set: every total "0", no note; the
// other header texts stay as they were.
void ResetWorkingSet(BatchWorkingSet& ws);

// The working set of a stored row, and the program as the row names it.
BatchWorkingSet WorkingSetFromRow(const store::BatchRow& row);

}  // namespace kv7::batches
