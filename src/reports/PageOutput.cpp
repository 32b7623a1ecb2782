#include "reports/PageOutput.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv7::reports {
namespace {

void Whole(QPagedPaintDevice& device) {
  device.setPageSize(QPageSize(QPageSize::A4));
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
}

}  // namespace

bool WritePdf(const Page& page, const QString& file, const i18n::PrintSettings& font) {
  {
    QFile probe(file);
    if (!probe.open(QIODevice::WriteOnly)) return false;
  }
  QPdfWriter writer(file);
  writer.setResolution(600);
  Whole(writer);
  writer.setCreator(QStringLiteral("KV7"));
  DrawOnDevice(writer, page, font);
  return true;
}

std::unique_ptr<QPrinter> MakePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setFullPage(true);
  Whole(*printer);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("stampa.pdf")));
  }
  return printer;
}

bool PrintWithDialog(QWidget* parent, QPrinter& printer, const Page& page, const i18n::PrintSettings& font) {
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  // The copies asked in the dialog are the printer's own copy count.
  DrawOnDevice(printer, page, font);
  return true;
}

TPrint_boll::TPrint_boll(QWidget* parent)
    : QDialog(parent),
      printer_(MakePrinter()),
      preview_(new QPrintPreviewWidget(printer_.get(), this)),
      print_(new QPushButton(this)),
      pdf_(new QPushButton(this)),
      close_(new QPushButton(this)) {
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
  if (PrintWithDialog(this, *printer_, page_, font_)) accept();
}

void TPrint_boll::SavePdf() {
  const QString file =
      QFileDialog::getSaveFileName(this, tr("Salva PDF"), QDir::current().absoluteFilePath("stampa.pdf"), "PDF (*.pdf)");
  if (!file.isEmpty()) WritePdf(page_, file, font_);
}

}  // namespace kv7::reports
