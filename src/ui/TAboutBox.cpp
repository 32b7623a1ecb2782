#include "ui/TAboutBox.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "i18n/MessageCatalogue.h"
#include "ui/JpegImage.h"

namespace kv7::ui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TAboutBox");
  setWindowTitle(tr("Informazioni"));
  auto* layout = new QVBoxLayout(this);
  programIcon_ = new QLabel(this);
  programIcon_->setObjectName("ProgramIcon");
  programIcon_->setAlignment(Qt::AlignCenter);
  programIcon_->setMinimumSize(160, 100);
  productName_ = new QLabel(this);
  productName_->setObjectName("ProductName");
  version_ = new QLabel(this);
  version_->setObjectName("Version");
  comments_ = new QLabel(this);
  comments_->setObjectName("Comments");
  legal_ = new QLabel(this);
  legal_->setObjectName("Copyright");
  for (QLabel* l : {programIcon_, productName_, version_, comments_, legal_}) layout->addWidget(l);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QString TAboutBox::CustomerPicture(const QString& dir) {
  // The customer's own picture replaces the design one only at sites that
  // have a customer logo at all.
  auto exists = [&](const char* name) { return QFileInfo::exists(dir + "/" + name); };
  if (!exists("Customer.jpg") && !exists("customer.bmp")) return {};
  for (const char* name : {"cliente.jpg", "cliente.bmp", "Customer.jpg", "Customer.bmp"})
    if (exists(name)) return dir + "/" + name;
  return {};
}

void TAboutBox::Prepare(const VersionBlock& block, const QString& makerLine, const QString& dir) {
  block_ = block;
  makerLine_ = makerLine;
  ShowTexts();
  const QString picture = CustomerPicture(dir);
  if (picture.isEmpty()) return;
  QImage image = picture.endsWith(".jpg") ? DecodeJpegFile(picture) : QImage(picture);
  if (!image.isNull())
    programIcon_->setPixmap(QPixmap::fromImage(image.scaled(160, 100, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace kv7::ui

namespace kv7::ui {

// The product name and comment are the console's Italian names, translated
// as messages; the legal line is the maker's own and stays as written.
void TAboutBox::ShowTexts() {
  using i18n::TranslateMessage;
  if (!block_.fileVersion.isEmpty()) {
    version_->setText(tr("Versione : %1").arg(block_.fileVersion));
    comments_->setText(TranslateMessage(block_.comments));
    productName_->setText(tr("Nome Prodotto : %1").arg(TranslateMessage(block_.productName)));
    legal_->setText(block_.legal);
  } else {
    version_->setText(tr("Versione : %1").arg("0.0.0"));
    productName_->setText(tr("Nome Prodotto : %1").arg("MB3Win"));
    comments_->setText(TranslateMessage("Programma Gestione Calibratrice"));
    legal_->setText(makerLine_);
  }
}

void TAboutBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setWindowTitle(tr("Informazioni"));
    if (!version_->text().isEmpty()) ShowTexts();
  }
  QDialog::changeEvent(event);
}

}  // namespace kv7::ui
