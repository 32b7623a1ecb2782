#include "app/PriceWindowsBridge.h"

#include "prices/TListino.h"
#include "programs/TListaProgrammi.h"
#include "reports/TEstrattoConto.h"

namespace kv7::app {

PriceWindowsBridge::PriceWindowsBridge(QWidget& parent, WindowThreadGate& gate)
    : gate_(gate),
      programs_(new programs::TListaProgrammi(&parent)),
      list_(new prices::TListino(&parent)),
      statement_(new reports::TEstrattoConto(&parent)) {}

std::optional<std::string> PriceWindowsBridge::ChooseProgramForPrices(const programs::ProgramLists& lists) {
  using Result = std::optional<std::string>;
  return gate_.Call<Result>(
      [this, lists]() -> Result {
        const QString designed = programs_->windowTitle();
        programs_->setWindowTitle(list_->windowTitle());  // "Listino prezzi"
        programs_->SetPrograms(lists);
        const bool ok = programs_->exec() == QDialog::Accepted;
        programs_->setWindowTitle(designed);
        if (!ok || programs_->SelectedCode().empty()) return std::nullopt;
        return programs_->SelectedCode();
      },
      std::nullopt);
}

std::optional<prices::PriceList> PriceWindowsBridge::EditPriceList(const prices::PriceListInput& input) {
  using Result = std::optional<prices::PriceList>;
  return gate_.Call<Result>(
      [this, input]() -> Result {
        list_->Fill(input);
        if (list_->exec() != QDialog::Accepted) return std::nullopt;
        return list_->Result();
      },
      std::nullopt);
}

std::optional<supervisor::StatementChoice> PriceWindowsBridge::ChooseStatement(
    const std::vector<batches::Producer>& producers, const store::DbDateTime& from, const store::DbDateTime& to) {
  using Result = std::optional<supervisor::StatementChoice>;
  std::vector<std::pair<std::string, std::string>> entries;
  for (const auto& p : producers) entries.emplace_back(p.codice, p.descrizione);
  return gate_.Call<Result>(
      [this, entries, from, to]() -> Result {
        statement_->Fill(entries, from, to);
        if (statement_->exec() != QDialog::Accepted || statement_->Producer().empty()) return std::nullopt;
        return supervisor::StatementChoice{statement_->Producer(), statement_->From(), statement_->To()};
      },
      std::nullopt);
}

}  // namespace kv7::app
