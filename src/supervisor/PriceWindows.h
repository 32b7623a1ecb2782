#pragma once
// The windows of the price commands: the program list captioned for the
// price list, the price list window and the choice of a producer and a
// period for the season statement. Each call runs modally on the window
// thread while the machine thread waits. No widget type appears here.

#include <optional>
#include <string>
#include <vector>

#include "batches/ProducerArchive.h"
#include "prices/PriceEditing.h"
#include "programs/ProgramCodes.h"

namespace kv7::supervisor {

struct StatementChoice {
  std::string producer;  // the producer's code
  store::DbDateTime from, to;  // days, both included
};

class PriceWindows {
 public:
  virtual ~PriceWindows() = default;
  // The code of the program whose list to edit; nullopt on Cancel.
  virtual std::optional<std::string> ChooseProgramForPrices(const programs::ProgramLists& lists) = 0;
  // The list to store on "Salva"; nullopt on Cancel.
  virtual std::optional<prices::PriceList> EditPriceList(const prices::PriceListInput& input) = 0;
  // A producer and a period, offered from `from` to `to`; nullopt on Cancel.
  virtual std::optional<StatementChoice> ChooseStatement(const std::vector<batches::Producer>& producers,
                                                         const store::DbDateTime& from,
                                                         const store::DbDateTime& to) = 0;
};

}  // namespace kv7::supervisor
