#pragma once
// The price commands' windows on the window thread: the program list
// captioned for the price list, "Listino prezzi" and the season
// statement's choice. The machine thread waits for each call.

#include <QWidget>

#include "app/WindowThreadGate.h"
#include "supervisor/PriceWindows.h"

namespace kv7::prices {
class TListino;
}
namespace kv7::programs {
class TListaProgrammi;
}
namespace kv7::reports {
class TEstrattoConto;
}

namespace kv7::app {

class PriceWindowsBridge final : public supervisor::PriceWindows {
 public:
  // Construct on the window thread: the windows are created here.
  PriceWindowsBridge(QWidget& parent, WindowThreadGate& gate);

  std::optional<std::string> ChooseProgramForPrices(const programs::ProgramLists& lists) override;
  std::optional<prices::PriceList> EditPriceList(const prices::PriceListInput& input) override;
  std::optional<supervisor::StatementChoice> ChooseStatement(const std::vector<batches::Producer>& producers,
                                                             const store::DbDateTime& from,
                                                             const store::DbDateTime& to) override;

  prices::TListino& PriceList() { return *list_; }
  programs::TListaProgrammi& Programs() { return *programs_; }
  reports::TEstrattoConto& Statement() { return *statement_; }

 private:
  WindowThreadGate& gate_;
  programs::TListaProgrammi* programs_;
  prices::TListino* list_;
  reports::TEstrattoConto* statement_;
};

}  // namespace kv7::app
