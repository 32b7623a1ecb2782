#include "ui/THelp.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QVBoxLayout>

namespace kv7::ui {
namespace {

// Screenshots are full-screen pictures: shown at a width that fits the
// window, the height following.
void FitPictures(QTextDocument* document, int width) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment fragment = it.fragment();
      QTextImageFormat image = fragment.charFormat().toImageFormat();
      if (!image.isValid()) continue;
      image.setWidth(width);
      QTextCursor cursor(document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(image);
    }
  }
}

constexpr int kPictureWidth = 640;

}  // namespace

THelp::THelp(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setObjectName("THelp");
  browser_->setObjectName("Guida");
  browser_->setOpenExternalLinks(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
  resize(900, 700);
  Retranslate();
}

QStringList THelp::DefaultPlaces() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  return {exeDir, exeDir + "/docs", QDir::current().filePath("docs"), QStringLiteral(KV7_DATA_DIR "/docs")};
}

QString THelp::FindGuide(const QStringList& places) {
  for (const QString& place : places) {
    QFileInfo guide(QDir(place).filePath(kGuideFile));
    if (guide.isFile() && guide.isReadable()) return guide.absoluteFilePath();
  }
  return {};
}

void THelp::Load(const QStringList& places) {
  const QString path = FindGuide(places);
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    browser_->setPlainText(tr("La guida dell'operatore (%1) non è stata trovata in:\n%2")
                               .arg(kGuideFile, places.join('\n')));
    return;
  }
  // Pictures are named relative to the guide.
  browser_->setSearchPaths({QFileInfo(path).absolutePath()});
  browser_->setMarkdown(QString::fromUtf8(file.readAll()));
  FitPictures(browser_->document(), kPictureWidth);
}

void THelp::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void THelp::Retranslate() {
  setWindowTitle(tr("Aiuto - Guida dell'operatore"));
}

}  // namespace kv7::ui
