#include "reports/TImpAzienda.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv7::reports {

TImpAzienda::TImpAzienda(QWidget* parent)
    : QDialog(parent),
      label_(new QLabel(this)),
      edit_(new QPlainTextEdit(this)),
      save_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
  setObjectName("TImpAzienda");
  edit_->setObjectName("RichEdit1");
  edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  edit_->setTabChangesFocus(true);
  label_->setBuddy(edit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(edit_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(edit_, &QPlainTextEdit::textChanged, this, [this] { Limit(); });
  connect(save_, &QPushButton::clicked, this, [this] {
    emit Saved(Header());
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  resize(420, 220);
  RetranslateUi();
}

void TImpAzienda::SetHeader(const store::CompanyHeader& header) {
  QStringList lines;
  for (const auto& l : header.lines) lines << QString::fromStdString(l).trimmed();
  edit_->setPlainText(lines.join('\n'));
  edit_->setFocus();
}

store::CompanyHeader TImpAzienda::Header() const {
  store::CompanyHeader header;
  const QStringList lines = edit_->toPlainText().split('\n');
  for (std::size_t i = 0; i < header.lines.size(); ++i)
    header.lines[i] = i < std::size_t(lines.size()) ? lines[qsizetype(i)].toStdString() : std::string();
  return header;
}

void TImpAzienda::Limit() {
  const QString text = edit_->toPlainText();
  if (text.size() <= kMaxChars) return;
  QSignalBlocker block(edit_);
  edit_->setPlainText(text.left(kMaxChars));
  edit_->moveCursor(QTextCursor::End);
}

void TImpAzienda::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(event);
}

void TImpAzienda::RetranslateUi() {
  setWindowTitle(tr("Impostazione Azienda"));
  label_->setText(tr("&Intestazione (4 righe):"));
  save_->setText(tr("&Salva"));
  cancel_->setText(tr("&Annulla"));
}

}  // namespace kv7::reports
