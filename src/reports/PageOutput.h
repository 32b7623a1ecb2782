#pragma once
// A page to paper or to a file, on the window thread: the preview window
// (TPrint_boll: "Stampa" opens the print dialog, "Salva PDF" writes a
// file), the print dialog alone, and PDF files without any window. With no
// printer installed the print dialog prints to a PDF file.

#include <QDialog>
#include <QString>

#include <memory>

#include "i18n/PrintFont.h"
#include "reports/PageDrawing.h"

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace kv7::reports {

// Writes `page` to `file`; false when the file cannot be written.
bool WritePdf(const Page& page, const QString& file, const i18n::PrintSettings& font);

// A printer set up for the pages: whole sheet, no margins of its own; a
// PDF file in the working directory when no printer is installed.
std::unique_ptr<QPrinter> MakePrinter();

// The print dialog on `printer`; when confirmed, the page printed as many
// times as asked there. False when cancelled.
bool PrintWithDialog(QWidget* parent, QPrinter& printer, const Page& page, const i18n::PrintSettings& font);

class TPrint_boll : public QDialog {
  Q_OBJECT
 public:
  explicit TPrint_boll(QWidget* parent = nullptr);
  ~TPrint_boll() override;

  // Shows `page` in the preview (modal); the caption names the page.
  void Preview(const Page& page, const i18n::PrintSettings& font);
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

  std::unique_ptr<QPrinter> printer_;
  QPrintPreviewWidget* preview_;
  QPushButton* print_;
  QPushButton* pdf_;
  QPushButton* close_;
  Page page_;
  i18n::PrintSettings font_;
};

}  // namespace kv7::reports
