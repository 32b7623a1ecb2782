#include "app/ReportWindowsBridge.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPrinter>

#include "batches/TListaBolla.h"
#include "i18n/PrintFont.h"
#include "programs/TListaProgrammi.h"
#include "reports/PageOutput.h"
#include "reports/TImpAzienda.h"
#include "ui/TMain.h"

namespace kv7::app {

ReportWindowsBridge::ReportWindowsBridge(ui::TMain& main, WindowThreadGate& gate, std::filesystem::path workDir)
    : main_(main),
      gate_(gate),
      workDir_(std::move(workDir)),
      batches_(new batches::TListaBolla(&main)),
      programs_(new programs::TListaProgrammi(&main)),
      preview_(new reports::TPrint_boll(&main)),
      company_(new reports::TImpAzienda(&main)) {
  preview_->SetWorkDir(workDir_);
}

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
  const bool keepCopy = config.copia_pdf == 1;
  return gate_.Call<bool>(
      [this, page, font, keepCopy] {
        // The house copy first: whatever becomes of the print, it exists.
        std::string error;
        if (!reports::KeepTicketCopy(page, keepCopy, workDir_, font, &error)) Warn(error);
        if (main_.CheckPreview()->isChecked()) {
          preview_->Preview(page, font);
          return preview_->result() == QDialog::Accepted;
        }
        error.clear();
        const bool printed = reports::PrintPage(&main_, page, font, workDir_, &error);
        if (!error.empty()) Warn(error);
        return printed;
      },
      false);
}

void ReportWindowsBridge::Warn(const std::string& failure) {
  QMessageBox::warning(&main_, main_.windowTitle(),
                       QCoreApplication::translate("kv7::reports::TPrint_boll", "File PDF non scritto: %1")
                           .arg(QString::fromStdString(failure)));
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
