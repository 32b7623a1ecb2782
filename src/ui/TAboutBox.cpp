#include "ui/TAboutBox.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/JpegImage.h"

namespace kv7::ui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TAboutBox");
  setWindowTitle("Informazioni");
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
  if (!block.fileVersion.isEmpty()) {
    version_->setText("Versione : " + block.fileVersion);
    comments_->setText(block.comments);
    productName_->setText("Nome Prodotto : " + block.productName);
    legal_->setText(block.legal);
  } else {
    version_->setText("Versione : 0.0.0");
    productName_->setText("Nome Prodotto : MB3Win");
    comments_->setText("Programma Gestione Calibratrice");
    legal_->setText(makerLine);
  }
  const QString picture = CustomerPicture(dir);
  if (picture.isEmpty()) return;
  QImage image = picture.endsWith(".jpg") ? DecodeJpegFile(picture) : QImage(picture);
  if (!image.isNull())
    programIcon_->setPixmap(QPixmap::fromImage(image.scaled(160, 100, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace kv7::ui
