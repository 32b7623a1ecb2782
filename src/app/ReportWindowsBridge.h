#pragma once
// The report commands' windows on the window thread: the batch and program
// pickers for printing, the preview or print dialog (as the console's
// "Preview stampa" box says; a PDF file of its own without a printer), the
// PDF copy of each end-of-batch ticket and the company header window. The
// machine thread waits for each call.

#include <QWidget>

#include <filesystem>
#include <string>

#include "app/WindowThreadGate.h"
#include "supervisor/ReportWindows.h"

namespace kv7::batches {
class TListaBolla;
}
namespace kv7::programs {
class TListaProgrammi;
}
namespace kv7::reports {
class TImpAzienda;
class TPrint_boll;
}  // namespace kv7::reports
namespace kv7::ui {
class TMain;
}

namespace kv7::app {

class ReportWindowsBridge final : public supervisor::ReportWindows {
 public:
  // Construct on the window thread: the windows are created here.
  // Printed files go to folders of `workDir`.
  ReportWindowsBridge(ui::TMain& main, WindowThreadGate& gate, std::filesystem::path workDir);

  std::optional<supervisor::BatchPrintChoice> ChooseBatchForPrint(const batches::BatchList& list) override;
  std::optional<std::string> ChooseProgramForPrint(const programs::ProgramLists& lists) override;
  bool PartitaOnRunningTotals() override;
  bool OutputPage(const reports::Page& page, const store::Configuration& config) override;
  std::optional<store::CompanyHeader> EditCompanyHeader(const store::CompanyHeader& header) override;

  batches::TListaBolla& BatchList() { return *batches_; }
  reports::TPrint_boll& Preview() { return *preview_; }
  reports::TImpAzienda& Company() { return *company_; }

 private:
  void Warn(const std::string& failure);

  ui::TMain& main_;
  WindowThreadGate& gate_;
  std::filesystem::path workDir_;
  batches::TListaBolla* batches_;
  programs::TListaProgrammi* programs_;
  reports::TPrint_boll* preview_;
  reports::TImpAzienda* company_;
};

}  // namespace kv7::app
