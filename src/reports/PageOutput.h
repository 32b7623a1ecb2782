#pragma once
// A page to paper or to a file, on the window thread: the preview window
// (TPrint_boll: "Stampa" opens the print dialog, "Salva PDF" writes a
// file), the print dialog alone, and PDF files without any window. With no
// printer installed a printed page becomes a PDF file of its own in the
// working directory's "stampe" folder, without a dialog: a ticket never
// replaces an earlier one and no question holds the end of a batch.

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "i18n/PrintFont.h"
#include "reports/PageDrawing.h"

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace kv7::reports {

// The page as the bytes of a PDF document (A4, whole sheet).
QByteArray PdfBytes(const Page& page, const i18n::PrintSettings& font);

// Writes `page` to `file` (replacing it, synced); false when the file
// cannot be written.
bool WritePdf(const Page& page, const QString& file, const i18n::PrintSettings& font);

// Folders of the working directory: pages printed without a printer, and
// the packing house's copies of the end-of-batch tickets.
inline constexpr const char* kPrintFolder = "stampe";
inline constexpr const char* kTicketCopyFolder = "copie_bolle";

// "<kind>-<number>-YYYYMMDD-HHMMSS" in local time: the kind of page
// ("bolla", "lavorazione" for the end-of-batch ticket, "programma",
// "installazione", "produttori", "statistiche"), the delivery note number of a batch (its
// registration when it has none) or the program number, and the time.
std::string PageFileStem(const Page& page, std::time_t when);

// `page` as a PDF file of its own in `folder` (created when missing), named
// by PageFileStem at `when`, with "-2", "-3" ... when that name is taken: an
// earlier file is never replaced. The file is synced before this returns
// its path; nullopt, with the reason in *error, when it cannot be written.
std::optional<std::filesystem::path> WriteNewPdf(const Page& page, const std::filesystem::path& folder,
                                                 const i18n::PrintSettings& font, std::time_t when,
                                                 std::string* error = nullptr);

// The house copy of an end-of-batch ticket in `workDir`/copie_bolle when
// `keep` (the configuration's `copia_pdf`) is on; other pages have none.
// True when no copy is due or it was written; false with the reason in
// *error otherwise.
bool KeepTicketCopy(const Page& page, bool keep, const std::filesystem::path& workDir,
                    const i18n::PrintSettings& font, std::string* error = nullptr);

bool PrinterInstalled();

// A printer set up for the pages: whole sheet, no margins of its own.
std::unique_ptr<QPrinter> MakePrinter();

// The print dialog on `printer`; when confirmed, the page printed as many
// times as asked there. False when cancelled.
bool PrintWithDialog(QWidget* parent, QPrinter& printer, const Page& page, const i18n::PrintSettings& font);

// The page printed: through the print dialog when a printer is installed,
// otherwise as a new PDF file in `workDir`/stampe. False when cancelled or
// not written (the reason in *error).
bool PrintPage(QWidget* parent, const Page& page, const i18n::PrintSettings& font,
               const std::filesystem::path& workDir, std::string* error = nullptr);

class TPrint_boll : public QDialog {
  Q_OBJECT
 public:
  explicit TPrint_boll(QWidget* parent = nullptr);
  ~TPrint_boll() override;

  // Shows `page` in the preview (modal); the caption names the page.
  void Preview(const Page& page, const i18n::PrintSettings& font);
  // Where "Stampa" without a printer writes its file (in "stampe"); the
  // current directory unless set.
  void SetWorkDir(const std::filesystem::path& workDir) { workDir_ = workDir; }
  QPushButton* StampaButton() const { return print_; }
  QPushButton* PdfButton() const { return pdf_; }
  QPrintPreviewWidget* PreviewWidget() const { return preview_; }

  static QString Caption(const Page& page);

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void RetranslateUi();
  void Print();
  void SavePdf();
  void Failed(const std::string& what);

  std::unique_ptr<QPrinter> printer_;
  QPrintPreviewWidget* preview_;
  QPushButton* print_;
  QPushButton* pdf_;
  QPushButton* close_;
  Page page_;
  i18n::PrintSettings font_;
  std::filesystem::path workDir_;
};

}  // namespace kv7::reports
