#pragma once
// The processing data of the running batch, as entered in "Dati Bolla"
// (TModDati): what the end of the batch archives with the counted totals.
// The machine side keeps one and fills the window from it.

#include <string>

#include "store/DbValue.h"

namespace kv7::batches {

struct ProcessingData {
  std::string numero;  // "Bolla ritiro N:"
  std::string codice;  // producer code
  std::string descrizione;
  std::string note;
  std::string totPartita = "0";  // kg
  std::string lotto;
  std::string numCasse;
  std::string numPedane;
  std::string operatore = "00";
  bool forceDate = false;  // "Forza Data ": the batch takes date1 instead of now
  store::DbDateTime date1;  // date and time of Date1 / Time1

  bool operator==(const ProcessingData&) const = default;
};

}  // namespace kv7::batches
