#include "reports/PageOutput.h"

#include <QBuffer>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include <cctype>
#include <string_view>

#include "store/FileIo.h"

namespace kv7::reports {
namespace {

void Whole(QPagedPaintDevice& device) {
  device.setPageSize(QPageSize(QPageSize::A4));
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Letters and digits only: a number typed by the operator must not reach
// another folder or make a name the file system refuses.
std::string NamePart(const std::string& text) {
  std::string out;
  for (unsigned char c : text)
    if (std::isalnum(c)) out += static_cast<char>(c);
  return out;
}

struct Kind {
  const char* name;
  std::string number;
};

Kind KindOf(const Page& page) {
  if (const auto* batch = std::get_if<BatchPage>(&page)) {
    const char* name = batch->title == kEndOfBatchTitle ? "lavorazione" : "bolla";
    return {name, NamePart(batch->numero).empty() ? batch->registration : batch->numero};
  }
  if (const auto* program = std::get_if<ProgramPage>(&page)) return {"programma", program->number};
  if (std::holds_alternative<InstallationPage>(page)) return {"installazione", {}};
  if (std::holds_alternative<StatsPage>(page)) return {"statistiche", {}};
  if (const auto* statement = std::get_if<SeasonStatementPage>(&page)) return {"estratto", statement->producerCode};
  return {"produttori", {}};
}

bool IsEndOfBatchTicket(const Page& page) {
  const auto* batch = std::get_if<BatchPage>(&page);
  return batch && batch->title == kEndOfBatchTitle;
}

}  // namespace

QByteArray PdfBytes(const Page& page, const i18n::PrintSettings& font) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    Whole(writer);
    writer.setCreator(QStringLiteral("KV7"));
    DrawOnDevice(writer, page, font);  // the document is complete when the painter ends
  }
  return bytes;
}

bool WritePdf(const Page& page, const QString& file, const i18n::PrintSettings& font) {
  return !store::WriteFileDurably(file.toStdString(), View(PdfBytes(page, font)));
}

std::string PageFileStem(const Page& page, std::time_t when) {
  const Kind kind = KindOf(page);
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::string stem = kind.name;
  if (const std::string number = NamePart(kind.number); !number.empty()) stem += "-" + number;
  return stem + "-" + stamp;
}

std::optional<std::filesystem::path> WriteNewPdf(const Page& page, const std::filesystem::path& folder,
                                                 const i18n::PrintSettings& font, std::time_t when,
                                                 std::string* error) {
  std::error_code failed;
  std::filesystem::create_directories(folder, failed);
  std::filesystem::path written;
  if (!failed)
    failed = store::WriteNewFile(folder, PageFileStem(page, when), ".pdf", View(PdfBytes(page, font)), 0644, &written);
  if (failed) {
    if (error) *error = (folder / PageFileStem(page, when)).string() + ".pdf: " + failed.message();
    return std::nullopt;
  }
  return written;
}

bool KeepTicketCopy(const Page& page, bool keep, const std::filesystem::path& workDir,
                    const i18n::PrintSettings& font, std::string* error) {
  if (!keep || !IsEndOfBatchTicket(page)) return true;
  return WriteNewPdf(page, workDir / kTicketCopyFolder, font, std::time(nullptr), error).has_value();
}

bool PrinterInstalled() {
  return !QPrinterInfo::availablePrinters().isEmpty();
}

std::unique_ptr<QPrinter> MakePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setFullPage(true);
  Whole(*printer);
  // The preview still draws on it; printing without a printer goes by PrintPage.
  if (!PrinterInstalled()) printer->setOutputFormat(QPrinter::PdfFormat);
  return printer;
}

bool PrintWithDialog(QWidget* parent, QPrinter& printer, const Page& page, const i18n::PrintSettings& font) {
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  // The copies asked in the dialog are the printer's own copy count.
  DrawOnDevice(printer, page, font);
  return true;
}

bool PrintPage(QWidget* parent, const Page& page, const i18n::PrintSettings& font,
               const std::filesystem::path& workDir, std::string* error) {
  if (PrinterInstalled()) {
    auto printer = MakePrinter();
    return PrintWithDialog(parent, *printer, page, font);
  }
  return WriteNewPdf(page, workDir / kPrintFolder, font, std::time(nullptr), error).has_value();
}

TPrint_boll::TPrint_boll(QWidget* parent)
    : QDialog(parent),
      printer_(MakePrinter()),
      preview_(new QPrintPreviewWidget(printer_.get(), this)),
      print_(new QPushButton(this)),
      pdf_(new QPushButton(this)),
      close_(new QPushButton(this)),
      workDir_(std::filesystem::current_path()) {
  setObjectName("TPrint_boll");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {print_, pdf_, close_}) buttons->addWidget(b);
  layout->addLayout(buttons);
  print_->setDefault(true);
  connect(print_, &QPushButton::clicked, this, [this] { Print(); });
  connect(pdf_, &QPushButton::clicked, this, [this] { SavePdf(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { DrawOnDevice(*printer, page_, font_); });
  resize(900, 1000);
  RetranslateUi();
}

TPrint_boll::~TPrint_boll() = default;

QString TPrint_boll::Caption(const Page& page) {
  switch (page.index()) {
    case 1: return tr("stampa programma");
    case 2: return tr("stampa installazione");
    case 3: return tr("stampa produttori");
    case 4: return tr("stampa statistiche");
    case 5: return tr("estratto conto stagione");
    default: return tr("stampa bolla");
  }
}

void TPrint_boll::Preview(const Page& page, const i18n::PrintSettings& font) {
  page_ = page;
  font_ = font;
  setWindowTitle(Caption(page_));
  preview_->updatePreview();
  preview_->fitToWidth();
  print_->setFocus();
  exec();
}

void TPrint_boll::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    RetranslateUi();
    setWindowTitle(Caption(page_));
  }
  QDialog::changeEvent(e);
}

void TPrint_boll::RetranslateUi() {
  print_->setText(tr("&Stampa"));
  pdf_->setText(tr("Salva &PDF"));
  close_->setText(tr("&Chiudi"));
}

void TPrint_boll::Print() {
  std::string error;
  // The preview's own printer keeps what was chosen in its dialog.
  const bool printed = PrinterInstalled() ? PrintWithDialog(this, *printer_, page_, font_)
                                          : PrintPage(this, page_, font_, workDir_, &error);
  if (printed) {
    accept();
    return;
  }
  if (!error.empty()) Failed(error);
}

void TPrint_boll::SavePdf() {
  const QString proposed =
      QString::fromStdString((workDir_ / (PageFileStem(page_, std::time(nullptr)) + ".pdf")).string());
  const QString file = QFileDialog::getSaveFileName(this, tr("Salva PDF"), proposed, "PDF (*.pdf)");
  if (!file.isEmpty() && !WritePdf(page_, file, font_)) Failed(file.toStdString());
}

void TPrint_boll::Failed(const std::string& what) {
  QMessageBox::warning(this, windowTitle(), tr("File PDF non scritto: %1").arg(QString::fromStdString(what)));
}

}  // namespace kv7::reports
