#include "app/ReportWindowsBridge.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPrinter>

#include "batches/TListaBolla.h"
#include "i18n/PrintFont.h"
#include "programs/TListaProgrammi.h"
#include "reports/PageOutput.h"
#include "reports/TImpAzienda.h"
#include "ui/TMain.h"

namespace kv7::app {

ReportWindowsBridge::ReportWindowsBridge(ui::TMain& main, WindowThreadGate& gate)
    : main_(main),
      gate_(gate),
      batches_(new batches::TListaBolla(&main)),
      programs_(new programs::TListaProgrammi(&main)),
      preview_(new reports::TPrint_boll(&main)),
      company_(new reports::TImpAzienda(&main)) {}

std::optional<supervisor::BatchPrintChoice> ReportWindowsBridge::ChooseBatchForPrint(const batches::BatchList& list) {
  using Result = std::optional<supervisor::BatchPrintChoice>;
  return gate_.Call<Result>(
      [this, list]() -> Result {
        batches_->SetBatches(list);
        batches_->Part()->setChecked(false);
        if (batches_->exec() != QDialog::Accepted || !batches_->Selected()) return std::nullopt;
        return supervisor::BatchPrintChoice{*batches_->Selected(), batches_->Part()->isChecked()};
      },
      std::nullopt);
}

std::optional<std::string> ReportWindowsBridge::ChooseProgramForPrint(const programs::ProgramLists& lists) {
  using Result = std::optional<std::string>;
  return gate_.Call<Result>(
      [this, lists]() -> Result {
        const QString designed = programs_->windowTitle();
        programs_->setWindowTitle(QCoreApplication::translate("kv7::reports::PagePainter", " Stampa Programma "));
        programs_->SetPrograms(lists);
        const bool ok = programs_->exec() == QDialog::Accepted;
        programs_->setWindowTitle(designed);
        if (!ok || programs_->SelectedCode().empty()) return std::nullopt;
        return programs_->SelectedCode();
      },
      std::nullopt);
}

bool ReportWindowsBridge::PartitaOnRunningTotals() {
  return gate_.Call<bool>([this] { return main_.CheckStpTotP()->isChecked(); }, false);
}

bool ReportWindowsBridge::OutputPage(const reports::Page& page, const store::Configuration& config) {
  const auto font = i18n::PrintSettings::FromConfiguration(config);
  return gate_.Call<bool>(
      [this, page, font] {
        if (main_.CheckPreview()->isChecked()) {
          preview_->Preview(page, font);
          return preview_->result() == QDialog::Accepted;
        }
        auto printer = reports::MakePrinter();
        return reports::PrintWithDialog(&main_, *printer, page, font);
      },
      false);
}

std::optional<store::CompanyHeader> ReportWindowsBridge::EditCompanyHeader(const store::CompanyHeader& header) {
  using Result = std::optional<store::CompanyHeader>;
  return gate_.Call<Result>(
      [this, header]() -> Result {
        company_->SetHeader(header);
        if (company_->exec() != QDialog::Accepted) return std::nullopt;
        return company_->Header();
      },
      std::nullopt);
}

}  // namespace kv7::app
